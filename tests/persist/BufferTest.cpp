#include "engine/persist/Buffer.h"

#include <gtest/gtest.h>

namespace {

TEST(BufferTest, IntegersAreLittleEndianAndReadBackInOrder) {
    Buffer buffer;
    buffer.writeUint32(0x0A);
    buffer.writeInt32(-2);
    buffer.writeByte(0x7F);
    ASSERT_EQ(9u, buffer.size());
    EXPECT_EQ(0x0A, buffer.data()[0]);
    EXPECT_EQ(0x00, buffer.data()[3]);
    EXPECT_EQ(0xFE, buffer.data()[4]);
    EXPECT_EQ(0xFF, buffer.data()[7]);
    EXPECT_EQ(0x0Au, buffer.readUint32());
    EXPECT_EQ(-2, buffer.readInt32());
    EXPECT_EQ(0x7F, buffer.readByte());
    EXPECT_FALSE(buffer.overrun());
}

TEST(BufferTest, ReadsPastTheEndGiveZerosAndAreNoted) {
    const std::uint8_t bytes[] = {1, 2, 3};
    Buffer buffer(bytes, sizeof bytes);
    buffer.skip(1);
    EXPECT_EQ(0x0302u, buffer.readUint32()) << "the missing high bytes read as zero";
    EXPECT_TRUE(buffer.overrun());
    EXPECT_EQ(0u, buffer.remaining());
    EXPECT_EQ(0, buffer.readByte());
    std::uint8_t out[4] = {9, 9, 9, 9};
    buffer.read(out, sizeof out);
    EXPECT_EQ(0, out[0] | out[1] | out[2] | out[3]);
}

TEST(BufferTest, SkippingTooFarStopsAtTheEnd) {
    const std::uint8_t bytes[] = {1, 2, 3, 4};
    Buffer buffer(bytes, sizeof bytes);
    buffer.skip(3);
    EXPECT_EQ(1u, buffer.remaining());
    buffer.skip(2);
    EXPECT_TRUE(buffer.overrun());
    EXPECT_EQ(0u, buffer.remaining());
}

} // namespace
