#pragma once

#include <QString>
#include <string>

// Texts from tags and data files are bytes: UTF-8 when they are valid UTF-8,
// otherwise Latin-1.
QString DecodeDisplayText(const std::string& bytes);
