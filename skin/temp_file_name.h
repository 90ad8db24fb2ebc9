// A fresh path for a temporary file: the system temporary directory followed by a newly
// generated GUID in braced text form, without extension, e.g.
//   C:\Users\me\AppData\Local\Temp\{3F2504E0-4F89-11D3-9A0C-0305E82C3301}
// On Windows the GUID comes from the system (throws std::runtime_error when it gives none);
// elsewhere it is random.
#pragma once

#include <string>

std::string NewTemporaryFilePath();
