// The machine banner written to the API log each time logging is turned on.
#pragma once

class CLog;

void WriteBanner(CLog& log);
