// Our DEFLATE (RFC 1951) decoder for skin file members: raw stream in, bytes out, table
// driven with one lookup per symbol. Bad data, input that ends too early, a source that
// fails and a sink that takes no more are told apart.
//
//   FileSource source(archive, member_size);
//   FileSink sink(output, uncompressed_size + 1);
//   if (Inflate(source, sink) != InflateStatus::kDone) { /* failure */ }
#pragma once

#include "skin/byte_stream.h"

enum class InflateStatus {
  kDone,            // the last block ended; everything was written to the sink
  kBadData,         // the stream breaks a rule of the format
  kTruncatedInput,  // the source ended before the last block did
  kReadError,       // the source reported an error
  kOutputRefused,   // the sink took no more (full, or its write failed)
};

const char* InflateStatusName(InflateStatus status);

InflateStatus Inflate(ByteSource& source, ByteSink& sink);
