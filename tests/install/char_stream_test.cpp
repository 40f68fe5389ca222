// Character streams: get, put-back, whitespace skipping, and the in-memory and file-backed pairs.
#include "install/file_stream.h"
#include "install/memory_stream.h"
#include "support/test_machine.h"

#include <gtest/gtest.h>

TEST(MemoryInput, GetPutBackAndSkipWhitespace) {
    MemoryInput in(std::string(" \t\r\n\v\fa\x01\xE9", 9));
    EXPECT_EQ(in.getSkippingWhitespace(), 'a');
    in.putBack('a');
    EXPECT_EQ(in.get(), 'a');
    EXPECT_EQ(in.getSkippingWhitespace(), 1); // control characters other than whitespace are kept
    EXPECT_EQ(in.get(), 0xE9);                // unsigned codes
    EXPECT_TRUE(in.good());
    EXPECT_EQ(in.get(), CharInput::EndOfInput);
    EXPECT_FALSE(in.good());
    in.putBack(CharInput::EndOfInput); // giving back the end puts nothing back
    EXPECT_EQ(in.get(), CharInput::EndOfInput);
}

using FileStreams = TestMachine;

TEST_F(FileStreams, MissingFileIsAnEndedStream) {
    FileInput in(scratchPath("none.ini").c_str());
    EXPECT_FALSE(in.isOpen());
    EXPECT_EQ(in.get(), CharInput::EndOfInput);
    EXPECT_FALSE(in.good());
}

TEST_F(FileStreams, TextModeOnDisk) {
    {
        FileOutput out(scratchPath("t.txt").c_str());
        ASSERT_TRUE(out.isOpen());
        out.write("a\nb\r\n\x1A");
        EXPECT_TRUE(out.close());
    }
    EXPECT_EQ(readBytes("t.txt"), "a\r\nb\r\r\n\x1A");
    FileInput in(scratchPath("t.txt").c_str());
    std::string read;
    for (int c = in.get(); c != CharInput::EndOfInput; c = in.get())
        read += static_cast<char>(c);
    EXPECT_EQ(read, "a\nb\r\n");
}
