#include "core/common/CarrierPictographs.h"

#include <gtest/gtest.h>

namespace {

TEST(CarrierPictographs, KnowsTheCarrierByTheAddressDomain)
{
    EXPECT_EQ(CarrierPictographs::carrierOf(QStringLiteral("taro@docomo.ne.jp")), Carrier::Docomo);
    EXPECT_EQ(CarrierPictographs::carrierOf(QStringLiteral("花子 <hanako@EZweb.ne.jp>")), Carrier::Au);
    EXPECT_EQ(CarrierPictographs::carrierOf(QStringLiteral("a@biz.ezweb.ne.jp")), Carrier::Au);
    EXPECT_EQ(CarrierPictographs::carrierOf(QStringLiteral("a@au.com")), Carrier::Au);
    EXPECT_EQ(CarrierPictographs::carrierOf(QStringLiteral("a@t.vodafone.ne.jp")), Carrier::SoftBank);
    EXPECT_EQ(CarrierPictographs::carrierOf(QStringLiteral("a@i.softbank.jp")), Carrier::SoftBank);
    EXPECT_EQ(CarrierPictographs::carrierOf(QStringLiteral("a@disney.ne.jp")), Carrier::SoftBank);
    EXPECT_EQ(CarrierPictographs::carrierOf(QStringLiteral("a@notdocomo.ne.jp")), Carrier::Unknown);
    EXPECT_EQ(CarrierPictographs::carrierOf(QStringLiteral("a@example.com")), Carrier::Unknown);
    EXPECT_EQ(CarrierPictographs::carrierOf(QStringLiteral("no address")), Carrier::Unknown);
}

TEST(CarrierPictographs, ReadsEachCarriersOwnShiftJisCodes)
{
    const QString sun = QStringLiteral("\u2600");
    EXPECT_EQ(CarrierPictographs::fromShiftJis(Carrier::Docomo, 0xF89F), sun);
    EXPECT_EQ(CarrierPictographs::fromShiftJis(Carrier::Au, 0xF660), sun);
    EXPECT_EQ(CarrierPictographs::fromShiftJis(Carrier::SoftBank, 0xF98B), sun);
    // One code, two carriers, two pictographs: keycap four for au, a mailbox for SoftBank.
    EXPECT_EQ(CarrierPictographs::fromShiftJis(Carrier::Au, 0xF741), QStringLiteral("4\u20E3"));
    EXPECT_EQ(CarrierPictographs::fromShiftJis(Carrier::SoftBank, 0xF741), QString::fromUcs4(U"\U0001F4EB"));
    // A flag is two code points yet one pictograph.
    EXPECT_EQ(CarrierPictographs::fromShiftJis(Carrier::Au, 0xF6A5), QString::fromUcs4(U"\U0001F1EF\U0001F1F5"));
    EXPECT_TRUE(CarrierPictographs::fromShiftJis(Carrier::Docomo, 0x82A0).isEmpty());
}

TEST(CarrierPictographs, TriesDocomoFirstForAnUnknownCarrier)
{
    EXPECT_EQ(CarrierPictographs::fromShiftJis(Carrier::Unknown, 0xF89F), QStringLiteral("\u2600"));
    EXPECT_EQ(CarrierPictographs::fromShiftJis(Carrier::Unknown, 0xF660), QStringLiteral("\u2600"));
    EXPECT_EQ(CarrierPictographs::fromShiftJis(Carrier::Unknown, 0xFBAB), QString::fromUcs4(U"\U0001F1EF\U0001F1F5"));
    EXPECT_TRUE(CarrierPictographs::fromShiftJis(Carrier::Unknown, 0xF040).isEmpty());
}

TEST(CarrierPictographs, ReadsAuJisCodesOfIso2022JpMail)
{
    EXPECT_EQ(CarrierPictographs::fromAuJis(0x7941), QStringLiteral("\u2600"));
    EXPECT_EQ(CarrierPictographs::fromAuJis(0x7521), CarrierPictographs::fromShiftJis(Carrier::Au, 0xF340));
    EXPECT_FALSE(CarrierPictographs::fromAuJis(0x7521).isEmpty());
    EXPECT_TRUE(CarrierPictographs::fromAuJis(0x3021).isEmpty());
    EXPECT_TRUE(CarrierPictographs::fromAuJis(0x7D21).isEmpty());
    EXPECT_TRUE(CarrierPictographs::fromAuJis(0x757F).isEmpty());
}

} // namespace
