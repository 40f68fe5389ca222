// Character streams: get, put-back and whitespace skipping (the file-backed pair is exercised
// through the parameter files on disk).
#include "install/memory_stream.h"

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
