#include "DialogFixture.h"

namespace testing_ui {
namespace {

using namespace calculator;

class StartUp : public DialogFixture {};

TEST_F(StartUp, DefaultsSolveForNumberEight) {
  StartDialog();
  EXPECT_EQ(ListOf(IdcWireSize)->currentText(), QStringLiteral("No. 8"));
  EXPECT_EQ(Text(IdcDropVolts), QStringLiteral("3.6"));
  EXPECT_EQ(Text(IdcFinalVoltage), QStringLiteral("116.4"));
  EXPECT_EQ(Text(IdcVoltAmps), QStringLiteral("1920"));
}

} // namespace
} // namespace testing_ui
