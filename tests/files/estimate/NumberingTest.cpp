#include "files/estimate/Numbering.h"

#include "files/support/SettingsTestDir.h"

using namespace yorozu;

namespace {

class NumberingTest : public yorozu::test::ProgramDirTest {
protected:
    const std::vector<std::string> restart{"10001より開始します。\r\n"};
};

} // namespace

TEST_F(NumberingTest, WithoutTheFileNumberingIsOff)
{
    EXPECT_EQ(BANGOU_CALL(dir_), std::nullopt);
    const auto r = BANGOU_KOUSIN(dir_, "12345");
    EXPECT_FALSE(r.written);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_FALSE(exists("BANGO.INI"));
}

TEST_F(NumberingTest, SavingAdvancesTheStoredNumber)
{
    writeRaw("BANGO.INI", "12345\r\n");
    EXPECT_EQ(BANGOU_CALL(dir_), std::optional<std::string>("12345"));
    const auto r = BANGOU_KOUSIN(dir_, "12345");
    EXPECT_TRUE(r.written);
    EXPECT_TRUE(r.write);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(readRaw("BANGO.INI"), "12346\r\n");
    EXPECT_EQ(BANGOU_CALL(dir_), std::optional<std::string>("12346"));
}

TEST_F(NumberingTest, SavingWithoutAUsableNumberRestartsAt10001)
{
    for (const char* bangou : {"0", "", "A-12", "12 ", "１２"}) {
        SCOPED_TRACE(bangou);
        writeRaw("BANGO.INI", "500\r\n");
        const auto r = BANGOU_KOUSIN(dir_, bangou);
        EXPECT_EQ(r.messages, restart);
        EXPECT_EQ(readRaw("BANGO.INI"), "10001\r\n");
    }
}

TEST_F(NumberingTest, AnEmptyFirstLineLeavesTheFieldAlone)
{
    writeRaw("BANGO.INI", "\r\n777\r\n");
    EXPECT_EQ(BANGOU_CALL(dir_), std::nullopt);
    writeRaw("BANGO.INI", "");
    EXPECT_EQ(BANGOU_CALL(dir_), std::nullopt);
}

TEST_F(NumberingTest, StoringTheShownNumberTurnsNumberingOn)
{
    auto r = N53Click(dir_, "abc");
    EXPECT_EQ(r.messages, restart);
    EXPECT_EQ(readRaw("BANGO.INI"), "10001\r\n");

    r = N53Click(dir_, "2500");
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(r.number, "2500");
    EXPECT_EQ(readRaw("BANGO.INI"), "2500\r\n");
    // The stored number is the one the next estimate shows, not its successor.
    EXPECT_EQ(BANGOU_CALL(dir_), std::optional<std::string>("2500"));
}

TEST_F(NumberingTest, NumbersBeyondThe32BitRangeKeepCounting)
{
    writeRaw("BANGO.INI", "1\r\n");
    BANGOU_KOUSIN(dir_, "4294967296");
    EXPECT_EQ(readRaw("BANGO.INI"), "4294967297\r\n");
    // The very largest number would overflow: numbering starts over instead.
    const auto r = BANGOU_KOUSIN(dir_, "9223372036854775807");
    EXPECT_EQ(r.messages, restart);
    EXPECT_EQ(readRaw("BANGO.INI"), "10001\r\n");
}

TEST_F(NumberingTest, AFailedWriteIsReported)
{
    const auto r = N53Click(dir_ / "no such folder", "5");
    EXPECT_TRUE(r.written);
    EXPECT_FALSE(r.write);
}
