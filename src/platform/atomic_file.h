#pragma once
#include <string>
#include <string_view>

// Replaces the file at `path` with `contents` so that a reader, or a crash at
// any moment, finds the old file or the new one whole, never a part: the
// bytes go to a temporary file beside it, reach the disk (fsync), are renamed
// over the old name, and the folder is synced so the rename lasts. False,
// with the reason in `error`, when any step fails; the old file then stays.
// The temporary file is hidden (".name.tmp-XXXXXX"); one left by a writer
// killed mid-write is removed by a later write once a minute old.
bool replaceFileAtomically(const std::string& path, std::string_view contents, std::string& error);
