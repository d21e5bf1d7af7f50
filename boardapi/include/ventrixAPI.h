// ventrixAPI: the board API library's exported interface.
// Every function returns an ApiStatus (0 success, negative errors). A bound board is named by a session
// handle from ventrix_Bind. Buffers belong to the caller and are written only during the call.
#pragma once

#include <stdint.h>

#ifdef _WIN32
#define VENTRIX_STDCALL __stdcall
#else
#define VENTRIX_STDCALL
#endif

#if defined(VENTRIX_API_BUILD)
#define VENTRIX_API __declspec(dllexport)
#else
#define VENTRIX_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t ApiStatus;

enum {
  API_OK = 0,
  API_ERR_OPEN_FAILED = -1,
  API_ERR_ALREADY_OPEN = -2,
  API_ERR_NOT_OPEN = -3,
  API_ERR_NO_SESSION = -4,
  API_ERR_NULL_POINTER = -5,
  API_ERR_NULL_NAME = -6,
  API_ERR_DEVICE_IO = -7,
  API_ERR_NO_BOARD = -8,
  API_ERR_NULL_CALLBACK = -9,
  API_ERR_NOT_FOUND = -10,
  API_ERR_NOT_ENABLED = -11,
  API_ERR_BUFFER_TOO_SMALL = -12,
  API_ERR_BAD_FILTER = -13,
  API_ERR_OUT_OF_RANGE = -14,
  API_ERR_NO_FEATURE = -15,
  API_ERR_ALREADY_ENABLED = -16,
  API_ERR_QUEUE_EMPTY = -17,
  API_ERR_ALREADY_BOUND = -18,
  API_ERR_NO_DEVICES = -19,
  API_ERR_NO_APPDATA = -20
};

// Capability bits of BoardInfo.capabilities.
enum {
  BOARD_CAP_SWITCHES = 0x1,
  BOARD_CAP_LEDS = 0x100,
  BOARD_CAP_7SEGMENT = 0x400,
  BOARD_CAP_DATALINES = 0x2000,
  BOARD_CAP_SERVOS = 0x4000,
  BOARD_CAP_BRIGHTNESS = 0x10000,
  BOARD_CAP_ANALOG = 0x20000,
  BOARD_CAP_ANALOG_BANK = 0x40000
};

// Option bits of ventrix_SetBoardOptions.
enum {
  OPT_WHOLE_STATE = 0x1,  // whole-state switch reporting with encoder decoding
  OPT_SWITCHES_64 = 0x2   // key-matrix mode 1 (64 switches) also on boards that could run 128
};

// The 108-byte little-endian description of a bound board.
#pragma pack(push, 1)
typedef struct BoardInfo {
  int32_t ledCount;
  int32_t firstLed;
  int32_t lastLed;
  int32_t switchCount;
  int32_t firstSwitch;
  int32_t lastSwitch;
  int32_t digitCount;
  int32_t firstDigit;
  int32_t lastDigit;
  int32_t datalineCount;
  int32_t firstDataline;
  int32_t lastDataline;
  uint8_t reserved[36];  // zero; the program shows the word at offset 48 as the servo count
  char model[5];         // four upper-case hexadecimal digits and a terminating zero
  char date[9];          // "dd/dd/dd" and a terminating zero, or all zero
  uint8_t zero[2];
  int32_t capabilities;
  int32_t further;
} BoardInfo;
#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(BoardInfo) == 108, "BoardInfo is 108 bytes");
#endif

// Switch change: session, switch number (0 only for the call made when per-switch reporting is enabled),
// direction (1 closed, 0 opened). In whole-state mode a zero result stops that board's reader.
typedef int32_t(VENTRIX_STDCALL* SwitchCallback)(int32_t session, int32_t switchNumber, int32_t direction);
// Board arrival (2) or removal (1); the result is ignored.
typedef int32_t(VENTRIX_STDCALL* DeviceChangeCallback)(int32_t reason);

#define VENTRIX_DECLARE(name, params) \
  VENTRIX_API ApiStatus name params;  \
  VENTRIX_API ApiStatus VENTRIX_STDCALL name##_std params;

VENTRIX_DECLARE(ventrix_OpenControllers, (void))
VENTRIX_DECLARE(ventrix_CloseControllers, (void))
VENTRIX_DECLARE(ventrix_GetDeviceList, (char* buffer, uint32_t* size, const char* modelFilter))
VENTRIX_DECLARE(ventrix_GetTotalControllers, (int32_t * count))
VENTRIX_DECLARE(ventrix_GetAPIVersion, (char* buffer, uint32_t* size))
VENTRIX_DECLARE(ventrix_Bind, (const char* deviceName, int32_t* session))
VENTRIX_DECLARE(ventrix_UnBind, (int32_t session))
VENTRIX_DECLARE(ventrix_GetBoardInfo, (int32_t session, BoardInfo* info))
VENTRIX_DECLARE(ventrix_SetBoardOptions, (int32_t session, int32_t options))
VENTRIX_DECLARE(ventrix_LED_Enable, (int32_t session, int32_t on))
VENTRIX_DECLARE(ventrix_LED_Test, (int32_t session, int32_t on))
VENTRIX_DECLARE(ventrix_LED_Set, (int32_t session, int32_t led, int32_t state))
VENTRIX_DECLARE(ventrix_7Segment_Enable, (int32_t session, int32_t on))
VENTRIX_DECLARE(ventrix_7Segment_Display, (int32_t session, const char* text, int32_t firstDigit))
VENTRIX_DECLARE(ventrix_Dataline_Enable, (int32_t session, int32_t on))
VENTRIX_DECLARE(ventrix_Dataline_Set, (int32_t session, int32_t line, int32_t state))
VENTRIX_DECLARE(ventrix_Servo_Enable, (int32_t session, int32_t on))
VENTRIX_DECLARE(ventrix_Servo_Set_Position, (int32_t session, int32_t controller, int32_t servo, int32_t position))
VENTRIX_DECLARE(ventrix_Servo_Set_Center, (int32_t session, int32_t controller, int32_t servo, int32_t center))
VENTRIX_DECLARE(ventrix_Brightness_Enable, (int32_t session, int32_t on))
VENTRIX_DECLARE(ventrix_Brightness_Set, (int32_t session, int32_t level))
VENTRIX_DECLARE(ventrix_Analog_Enable, (int32_t session, int32_t on))
VENTRIX_DECLARE(ventrix_Analog_GetValue, (int32_t session, int32_t channel, int32_t* value))
VENTRIX_DECLARE(ventrix_Switch_Enable_Callback, (int32_t session, int32_t on, SwitchCallback callback))
VENTRIX_DECLARE(ventrix_Switch_Enable_Poll, (int32_t session, int32_t on))
VENTRIX_DECLARE(ventrix_Switch_Get_Item, (int32_t session, int32_t* switchNumber, int32_t* direction))
VENTRIX_DECLARE(ventrix_Switch_Get_State, (int32_t session, int32_t switchNumber, int32_t* state))

#undef VENTRIX_DECLARE

// The three without a stdcall twin.
VENTRIX_API ApiStatus ventrix_Analog_GetValues(int32_t session, void* buffer, int32_t size);
VENTRIX_API ApiStatus ventrix_Enable_DeviceChange_Notification_Callback(int32_t on, DeviceChangeCallback callback);
VENTRIX_API ApiStatus ventrix_EnableLogging(int32_t on);

#ifdef __cplusplus
}
#endif
