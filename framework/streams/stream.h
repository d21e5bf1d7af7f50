// TStream: a sequence of bytes with a position. Read and Write move as much as they can and say how
// much; ReadBuffer and WriteBuffer move all or raise. Descendants: memory, file and resource streams;
// stream_adapter.h presents any of them as a COM IStream.
#pragma once

#include <cstdint>

#include "framework/classes/object.h"

namespace fw {

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
 public:
  // Moves up to count bytes and returns how many moved (0 at the end).
  virtual std::int32_t Read(void* Buffer, std::int32_t Count) = 0;
  virtual std::int32_t Write(const void* Buffer, std::int32_t Count) = 0;
  // Moves the position and returns the new one.
  virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;

  // EReadError "Stream read error" / EWriteError "Stream write error" when not all bytes move.
  void ReadBuffer(void* Buffer, std::int32_t Count);
  void WriteBuffer(const void* Buffer, std::int32_t Count);

  std::int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(std::int64_t value) { Seek(value, soBeginning); }
  virtual std::int64_t Size();
  // Streams that cannot change their size raise EStreamError.
  virtual void SetSize(std::int64_t NewSize);

  // Copies Count bytes from Source's position; Count 0 copies all of Source from its start. Returns the
  // bytes copied; a short source raises EReadError.
  std::int64_t CopyFrom(TStream* Source, std::int64_t Count);
};

}  // namespace fw
