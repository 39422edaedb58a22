// SPDX-License-Identifier: MIT
// The window started with the published tables lists them and calculates with them.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "tariffs/anexo8_tables.h"
#include "window_fixture.h"

namespace isr {
namespace {

TEST_F(WindowTest, PublishedTablesAreListedAndCalculatedWith) {
    OpenWindow(kAnexo8Tables);
    window_->lblBtn_Click(1);
    const auto* text = Find<QPlainTextEdit>("Text1");
    ASSERT_NE(text, nullptr);
    const QString listing = text->toPlainText();
    EXPECT_TRUE(listing.startsWith(QStringLiteral("Las Tarifas utilizadas son las publicadas")))
        << listing.left(80).toStdString();
    // The monthly tariff's row 2 as published: fee 247.24 where the program's own has 247.23.
    EXPECT_TRUE(listing.contains(QStringLiteral("247.24")));
    EXPECT_FALSE(listing.contains(QStringLiteral("247.23")));

    // Quincenal 35,000.00 lies in row 8, published as 30,838.81 to 41,118.45 with a fee of
    // 7,436.25: 4,161.19 x 32 / 100 = 1,331.5808, so 1,331.58 + 7,436.25 = 8,767.83.
    window_->lblBtn_Click(0);
    Find<QComboBox>("cmbTarifa")->setCurrentIndex(5);
    Find<QLineEdit>("txtBase")->setFocus();
    Type(QStringLiteral("35000"));
    ClickAt("cmdCalc");
    EXPECT_EQ(Find<QLineEdit>("txtISR08(0)")->text(), QStringLiteral("30,838.81"));
    EXPECT_EQ(Find<QLineEdit>("txtISR08(3)")->text(), QStringLiteral("7,436.25"));
    EXPECT_EQ(Find<QLineEdit>("txtISR08(4)")->text(), QStringLiteral("8,767.83"));
}

}  // namespace
}  // namespace isr
