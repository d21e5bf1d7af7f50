/* C control of the simulated board bank, exported by ventrix_hidsim.dll for tests that reach the bank through
   ventrixAPI.dll (VENTRIX_HID_SIMULATOR naming the DLL). Same meanings as sim/hidsim.h; boards by id. */
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

void HidSim_Reset(void);
/* flags as in VENTRIX_HIDSIM_BOARDS: r = 8-byte interface first, 1 = one interface, n = no serial,
   e = empty serial, l = language list as serial; null for none. Returns the board id. */
int HidSim_AddBoard(unsigned short vendorId, unsigned short productId, const char* serial, const char* flags);
int HidSim_BoardCount(void);
void HidSim_Unplug(int board);
void HidSim_Replug(int board);
void HidSim_SetSilent(int board, int silent);
void HidSim_SetStallWrites(int board, int stall);
void HidSim_InjectAccessViolation(int board, int count);
int HidSim_JournalCount(int board);
/* Copies entry index's bytes (at most capacity) and its pipe; returns the report length or -1. */
int HidSim_JournalEntry(int board, int index, int* pipe, unsigned char* bytes, int capacity);
void HidSim_ClearJournal(int board);
int HidSim_ProtocolViolations(int board);
void HidSim_GetPorts(int board, unsigned char ports[4]);
void HidSim_SetPorts(int board, const unsigned char ports[4]);
int HidSim_IicModeOn(int board);
void HidSim_SetIicNack(int board, unsigned char address, int nack);
int HidSim_LedMatrixOn(int board);
void HidSim_GetLedRow(int board, int row, unsigned char columns[4]);
int HidSim_KeyMatrixMode(int board);
void HidSim_SetSwitchWords(int board, const unsigned short words[8]);
void HidSim_SetKeyMatrixReplyOrder(int board, const unsigned char* ids, int count);
void HidSim_InjectInput(int board, int pipe, const unsigned char* report, int length);
/* The next read of the pipe completes with exactly these bytes, whatever their length. */
void HidSim_InjectRawInput(int board, int pipe, const unsigned char* bytes, int length);
int HidSim_OpenHandleCount(int board);

#ifdef __cplusplus
}
#endif
