// The standby-frequency arithmetic of the radio panels: the fine and coarse steps of a VHF radio (COM and
// NAV, MHz on 25 kHz channels) and of an ADF (kHz), and the texts sent to the aircraft.
#pragma once

#include <string>

namespace aircraft {

// A VHF band: its lowest and highest frequency and the coarse wrap (the MHz a coarse step adds or
// removes when it leaves the band).
struct VhfBand {
  double low;
  double high;
  double coarse_wrap;
};

inline constexpr VhfBand kComBand{118.0, 136.95, 19};
inline constexpr VhfBand kNavBand{108.0, 117.95, 9};

enum class FrequencyStep { kFineDown, kFineUp, kCoarseDown, kCoarseUp };

// The fine steps walk the channels x.00, x.02, x.05, x.07 ... x.97 of one MHz and wrap inside it; the
// coarse steps move one MHz and wrap inside the band.
double StepVhf(double f, const VhfBand& band, FrequencyStep step);

// Fine steps of 0.1 kHz wrap inside the 10 kHz decade (350.0 down is 359.9, 359.9 up is 350.0); coarse
// steps of 10 kHz wrap by 999.
double StepAdf(double f, FrequencyStep step);

// The digits a VHF frequency is sent with: the four after the leading "1" of f x 100 (118.97 is "1897",
// 108.05 is "0805").
std::string VhfSendDigits(double f);

// An ADF frequency as sent: its shortest decimal text (350.5 is "350.5", 351.0 is "351").
std::string AdfSendText(double f);

}  // namespace aircraft
