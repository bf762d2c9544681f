#include "text_file.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace {

TEST(LineReaderTest, ReadsWholeLinesWithEitherLineEnd) {
  TempDir dir;
  const std::string longLine(200000, 'x');  // longer than the read buffer
  const std::string path = dir.Write("f", "a\r\n\nc\rd\n" + longLine + "\nlast");
  LineReader reader;
  ASSERT_TRUE(reader.Open(path));
  std::vector<std::string> lines;
  for (std::string line; reader.ReadLine(line);) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "", "c\rd", longLine, "last"}));
  EXPECT_FALSE(reader.Open(dir.Path()));  // a folder is not a text file
}

}  // namespace
