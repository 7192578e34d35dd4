#!/usr/bin/env python3
"""usage: music_gaps.py <stream> <from byte> <track.mp3>

Finds where the track (decoded by libmpg123, as the game does) begins after
<from byte> in a stream SDL's disk driver wrote (16-bit stereo at 44100 Hz),
and prints every silent stretch of 50 ms or more in the ten seconds after.
Exit status: 0 none, 1 some, 2 not there yet."""
import array
import ctypes
import sys

RATE, CHANNELS, FRAME = 44100, 2, 4
CHECKED_SECONDS = 10
WINDOW_FRAMES = RATE // 20  # 50 ms
SILENT = 8  # a sample this close to zero is silence


def track_opening(path, frames):
    lib = ctypes.CDLL("libmpg123.so.0")
    lib.mpg123_new.restype = ctypes.c_void_p
    handle = ctypes.c_void_p(lib.mpg123_new(None, None))
    lib.mpg123_param(handle, 2, ctypes.c_long(0x20 | 0x40), ctypes.c_double(0))  # ADD_FLAGS: QUIET | GAPLESS
    lib.mpg123_format_none(handle)
    lib.mpg123_format(handle, ctypes.c_long(RATE), CHANNELS, 0xD0)  # signed 16-bit
    if lib.mpg123_open(handle, path.encode()) != 0:
        sys.exit(f"cannot decode {path}")
    wanted, got, opening = frames * FRAME, ctypes.c_size_t(0), b""
    buffer = ctypes.create_string_buffer(wanted)
    while len(opening) < wanted:
        result = lib.mpg123_read(handle, buffer, ctypes.c_size_t(wanted - len(opening)), ctypes.byref(got))
        opening += buffer.raw[:got.value]
        if result not in (0, -11):  # MPG123_OK, MPG123_NEW_FORMAT
            break
    lib.mpg123_delete(handle)
    return opening


def track_onset(data, start, track):
    """Where the track began: each tenth of a second of its first four found
    unmixed tells a start; the earliest is true (after a gap it is later)."""
    onsets = []
    step, piece = RATE // 10 * FRAME, 1024 * FRAME
    for at in range(0, len(track) - piece, step):
        found = data.find(track[at:at + piece], start)
        while found >= 0 and found % FRAME:
            found = data.find(track[at:at + piece], found + 1)
        if found >= 0 and found - at >= start:
            onsets.append((found - at) // 2)
    return min(onsets) if onsets else None


def main():
    stream_path, start = sys.argv[1], int(sys.argv[2]) // FRAME * FRAME
    with open(stream_path, "rb") as stream:
        data = stream.read()
    data = data[:len(data) // FRAME * FRAME]
    samples = array.array("h", data)
    onset = track_onset(data, start, track_opening(sys.argv[3], 4 * RATE))
    if onset is None:
        print("the track is not in the stream yet")
        sys.exit(2)
    end = onset + CHECKED_SECONDS * RATE * CHANNELS
    if len(samples) < end:
        print(f"{(len(samples) - onset) / RATE / CHANNELS:.1f} s of music so far")
        sys.exit(2)
    after = f", {(onset - start // 2) / CHANNELS / RATE * 1000:.0f} ms after the key" if start else ""
    print(f"music starts {onset / CHANNELS / RATE * 1000:.0f} ms into the stream{after}")
    gaps, run = 0, 0
    for i in range(onset, end + CHANNELS, CHANNELS):  # the step past the end closes a last silent run
        if i < end and abs(samples[i]) <= SILENT and abs(samples[i + 1]) <= SILENT:
            run += 1
            continue
        if run >= WINDOW_FRAMES:
            gaps += 1
            print(f"silent for {run * 1000 / RATE:.0f} ms from {(i // CHANNELS - run - onset // CHANNELS) / RATE:.2f} s")
        run = 0
    sys.exit(1 if gaps else 0)


main()
