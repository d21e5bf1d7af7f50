// The order in which the output and peripheral exports check their session, description, capability,
// enabled feature and board; every row runs through the plain export and its twin where there is one.
#include <functional>
#include <string>

#include "tests/boardapi_dll/outputs_fixture.h"

namespace dlltest {
namespace {

struct Row {
  const char* name;
  bool enable;
  std::function<ApiStatus(bool twin, int32_t session)> call;
};

#define EITHER(twin, name, ...) ((twin) ? ventrix_##name##_std(__VA_ARGS__) : ventrix_##name(__VA_ARGS__))

std::vector<Row> Rows() {
  return {
      {"LED_Enable", true, [](bool t, int32_t s) { return EITHER(t, LED_Enable, s, 1); }},
      {"7Segment_Enable", true, [](bool t, int32_t s) { return EITHER(t, 7Segment_Enable, s, 1); }},
      {"Dataline_Enable", true, [](bool t, int32_t s) { return EITHER(t, Dataline_Enable, s, 1); }},
      {"Servo_Enable", true, [](bool t, int32_t s) { return EITHER(t, Servo_Enable, s, 1); }},
      {"Brightness_Enable", true, [](bool t, int32_t s) { return EITHER(t, Brightness_Enable, s, 1); }},
      {"Analog_Enable", true, [](bool t, int32_t s) { return EITHER(t, Analog_Enable, s, 1); }},
      {"LED_Test", false, [](bool t, int32_t s) { return EITHER(t, LED_Test, s, 1); }},
      {"LED_Set", false, [](bool t, int32_t s) { return EITHER(t, LED_Set, s, 1, 1); }},
      {"7Segment_Display", false, [](bool t, int32_t s) { return EITHER(t, 7Segment_Display, s, "88", 1); }},
      {"Dataline_Set", false, [](bool t, int32_t s) { return EITHER(t, Dataline_Set, s, 1, 1); }},
      {"Servo_Set_Position", false, [](bool t, int32_t s) { return EITHER(t, Servo_Set_Position, s, 1, 0, 9); }},
      {"Servo_Set_Center", false, [](bool t, int32_t s) { return EITHER(t, Servo_Set_Center, s, 1, 0, 9); }},
      {"Brightness_Set", false, [](bool t, int32_t s) { return EITHER(t, Brightness_Set, s, 9); }},
      {"Analog_GetValue", false,
       [](bool t, int32_t s) {
         int32_t value = -1;
         return EITHER(t, Analog_GetValue, s, 0, &value);
       }},
      {"Analog_GetValues", false,
       [](bool, int32_t s) {
         uint8_t buffer[16];
         return ventrix_Analog_GetValues(s, buffer, sizeof(buffer));
       }},
  };
}

// Every row, through the plain export and the twin, must answer `expected(row)`.
void ExpectEach(int32_t session, const std::function<ApiStatus(const Row&)>& expected) {
  for (const Row& row : Rows()) {
    for (bool twin : {false, true}) {
      EXPECT_EQ(row.call(twin, session), expected(row)) << row.name << (twin ? "_std" : "");
    }
  }
}

using CheckOrder = OutputsTest;

TEST_F(CheckOrder, UnknownSessionsComeFirst) {
  Start(kAllOutputs | BOARD_CAP_ANALOG);
  for (int32_t session : {0, session_ + 1, -1}) {
    ExpectEach(session, [](const Row&) { return API_ERR_NO_SESSION; });
  }
  EXPECT_TRUE(TakeJournal().empty());
}

TEST_F(CheckOrder, EnablesNeedTheCapabilityAndTheOthersTheEnable) {
  Start(0);
  ExpectEach(session_, [](const Row& row) { return row.enable ? API_ERR_NO_FEATURE : API_ERR_NOT_ENABLED; });
  EXPECT_TRUE(TakeJournal().empty());
}

TEST_F(CheckOrder, TheBoardIsCheckedAfterTheFeature) {
  Start(kAllOutputs | BOARD_CAP_ANALOG);
  for (const Row& row : Rows()) {
    if (row.enable) {
      ASSERT_EQ(row.call(false, session_), API_OK) << row.name;
    }
  }
  uint8_t buffer[16];
  EXPECT_EQ(ventrix_Analog_GetValues(session_, buffer, 16), API_ERR_NOT_ENABLED);  // the bank is not enabled
  ASSERT_EQ(ventrix_CloseControllers(), API_OK);
  ExpectEach(session_, [](const Row& row) {
    return std::string(row.name) == "Analog_GetValues" ? API_ERR_NOT_ENABLED : API_ERR_NO_BOARD;
  });
}

TEST_F(CheckOrder, OnlyTheAnalogEnableChecksTheBoardBeforeTheCapability) {
  Start(0);
  ASSERT_EQ(ventrix_LED_Enable(session_, 1), API_ERR_NO_FEATURE);  // the description is loaded now
  ASSERT_EQ(ventrix_CloseControllers(), API_OK);
  ExpectEach(session_, [](const Row& row) {
    if (!row.enable) return API_ERR_NOT_ENABLED;
    return std::string(row.name) == "Analog_Enable" ? API_ERR_NO_BOARD : API_ERR_NO_FEATURE;
  });
}

TEST_F(CheckOrder, ArgumentChecksSitWhereTheirExportsPutThem) {
  Start(kAllOutputs | BOARD_CAP_ANALOG);
  int32_t value = -1;
  EXPECT_EQ(ventrix_Analog_GetValue(session_, 1, &value), API_ERR_OUT_OF_RANGE);  // before the enable check
  EXPECT_EQ(ventrix_Brightness_Set(session_, 256), API_ERR_NOT_ENABLED);         // after it
  ASSERT_EQ(ventrix_Analog_Enable(session_, 1), API_OK);
  value = 0;
  EXPECT_EQ(ventrix_Analog_GetValue(session_, 0, &value), API_ERR_OUT_OF_RANGE);
  ASSERT_EQ(ventrix_Brightness_Enable(session_, 1), API_OK);
  EXPECT_EQ(ventrix_Brightness_Set(session_, 256), API_ERR_OUT_OF_RANGE);
  EXPECT_EQ(ventrix_Brightness_Set(session_, -1), API_ERR_OUT_OF_RANGE);
  EXPECT_EQ(ventrix_Brightness_Enable(session_, 1), API_ERR_ALREADY_ENABLED);
  EXPECT_EQ(ventrix_Analog_Enable(session_, 1), API_ERR_ALREADY_ENABLED);
}

}  // namespace
}  // namespace dlltest
