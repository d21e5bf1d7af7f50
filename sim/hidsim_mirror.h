/* The simulated boards' state as a process outside the simulator reads it: ventrix_hidsim.dll copies every
 * board into a named shared-memory block whenever the bank changed, so a test tool can watch lamps and
 * windows while the program runs, and still read the last state after the program has ended (the tool
 * creates the block first and keeps it).
 *
 * Set VENTRIX_HIDSIM_CONTROL=<name> for the program: the DLL then opens the block "<name>.state" and serves
 * the control pipe "\\.\pipe\<name>" (sim/channel/control_pipe.h), whose requests are, one per call:
 *   press <board> <switch> <0|1>   open or close one switch (1..128) of the board's key matrix; the reply
 *                                   "ok <ticks>" gives the moment of the change (QueryPerformanceCounter)
 *   unplug <board> / replug <board> the board vanishes / comes back, and the process's windows hear of it as
 *                                   the system tells them (device-interface removal or arrival, then a
 *                                   device-node change); the reply comes once they have taken the news
 *   analog <board> <reading>       the board's brightness control reads this (0..4095) from now on
 *   delivered                      "ok <ticks>": when the last input report reached the thread that read it
 *   usage                          "ok <kernel> <user> <working set>": the process's processor time (100 ns
 *                                   units) and working set (bytes), as it reads them itself
 * Replies: "ok", or "error <reason>". Boards by id, in the order of VENTRIX_HIDSIM_BOARDS. */
#ifndef TRELVIK_SIM_HIDSIM_MIRROR_H
#define TRELVIK_SIM_HIDSIM_MIRROR_H

#include <stdint.h>

#define HIDSIM_CONTROL_VARIABLE "VENTRIX_HIDSIM_CONTROL"
#define HIDSIM_MIRROR_SUFFIX ".state"
#define HIDSIM_MIRROR_MAGIC 0x4D534948u /* "HISM" */
#define HIDSIM_MIRROR_BOARDS 16

typedef struct HidSimMirrorBoard {
  uint16_t vendorId;
  uint16_t productId;
  uint16_t model; /* 0xFFFF: unprogrammed */
  uint16_t reserved;
  char serial[24];
  uint8_t plugged;
  uint8_t ledMatrixOn;
  uint8_t keyMatrixMode;
  uint8_t iicMode;
  uint8_t ledRows[8][4]; /* row r, column byte c: LEDs of columns 8c..8c+7 in row r */
  uint8_t ports[4];
  int32_t openHandles;     /* device files open on the board */
  int32_t reportsReceived; /* output reports in its journal */
  int32_t reportKinds[4];  /* of those: LED-matrix rows, data-line ports, key-matrix requests, others */
  uint16_t switchWords[8];
  uint8_t brightness;      /* the level of the brightness driver's first channel (its register 2) */
  uint8_t reservedTail[3];
} HidSimMirrorBoard;
enum { HIDSIM_REPORT_LED_ROW = 0, HIDSIM_REPORT_PORTS = 1, HIDSIM_REPORT_KEY_MATRIX = 2, HIDSIM_REPORT_OTHER = 3 };

typedef struct HidSimMirror {
  uint32_t magic;
  volatile int32_t sequence; /* odd while the simulator writes; a reader copies until it reads one even value twice */
  uint32_t boardCount;
  uint32_t reserved;
  HidSimMirrorBoard boards[HIDSIM_MIRROR_BOARDS];
} HidSimMirror;

#endif
