/* C control of the simulated IIC devices, exported by ventrix_hidsim.dll; same meanings as sim/hidsim_iic.h. */
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

void HidSim_SetMemory(int board, int device, const unsigned char image[256]);
void HidSim_GetMemory(int board, int device, unsigned char image[256]);
int HidSim_ServoPosition(int board, int controller, int channel);
int HidSim_BrightnessRegister(int board, int reg);
int HidSim_BrightnessResets(int board);
void HidSim_SetAnalogReading(int board, unsigned char high, unsigned char low);
void HidSim_SetBankReadings(int board, unsigned char address, const unsigned char* bytes, int count);

#ifdef __cplusplus
}
#endif
