#pragma once

#include "file_tag_readers.h"

// The readers of this folder, linked into the program that calls this.
const FileTagReaders& LinkedFileTagReaders();
