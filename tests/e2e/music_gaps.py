#!/usr/bin/env python3
"""Looks for gaps in the music of a stream SDL's disk audio driver wrote (raw
signed 16-bit stereo at 44100 Hz, from the moment the device opened).

usage: music_gaps.py <stream> <from byte> [<track.mp3>]

The music begins at the first sound after <from byte>, or, given the track,
where the track's own samples show it began (libmpg123 decodes them, as the
game does). Prints when it began and every fully silent stretch of 50 ms or
more in the ten seconds after. Exit status: 0 none, 1 some, 2 not there yet.
"""
import array
import ctypes
import ctypes.util
import sys

RATE, CHANNELS = 44100, 2
FRAME = 2 * CHANNELS
CHECKED_SECONDS = 10
WINDOW_FRAMES = RATE // 20  # 50 ms
SILENT = 8     # a sample this close to zero is silence
SOUND = 64     # and one beyond this is sound


def track_opening(path, frames):
    lib = ctypes.CDLL(ctypes.util.find_library("mpg123") or "libmpg123.so.0")
    lib.mpg123_new.restype = ctypes.c_void_p
    lib.mpg123_new.argtypes = [ctypes.c_char_p, ctypes.POINTER(ctypes.c_int)]
    lib.mpg123_param.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_long, ctypes.c_double]
    lib.mpg123_open.argtypes = [ctypes.c_void_p, ctypes.c_char_p]
    lib.mpg123_format_none.argtypes = [ctypes.c_void_p]
    lib.mpg123_format.argtypes = [ctypes.c_void_p, ctypes.c_long, ctypes.c_int, ctypes.c_int]
    lib.mpg123_read.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_size_t, ctypes.POINTER(ctypes.c_size_t)]
    lib.mpg123_delete.argtypes = [ctypes.c_void_p]
    handle = lib.mpg123_new(None, None)
    MPG123_ADD_FLAGS, MPG123_QUIET, MPG123_GAPLESS = 2, 0x20, 0x40
    MPG123_STEREO, MPG123_ENC_SIGNED_16 = 2, 0xD0
    lib.mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0.0)
    lib.mpg123_format_none(handle)
    lib.mpg123_format(handle, RATE, MPG123_STEREO, MPG123_ENC_SIGNED_16)
    if lib.mpg123_open(handle, path.encode()) != 0:
        sys.exit(f"cannot decode {path}")
    wanted = frames * FRAME
    buffer = ctypes.create_string_buffer(wanted)
    got = ctypes.c_size_t(0)
    opening = b""
    while len(opening) < wanted:
        result = lib.mpg123_read(handle, buffer, wanted - len(opening), ctypes.byref(got))
        opening += buffer.raw[:got.value]
        if result not in (0, -11):  # MPG123_OK, MPG123_NEW_FORMAT
            break
    lib.mpg123_delete(handle)
    return opening


def track_onset(data, start, track):
    """Where the track began in the stream: each tenth of a second of its
    first four, found exactly where no sound effect mixes in, tells a start;
    the earliest is the true one (after a gap the music is heard later)."""
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
    if len(sys.argv) > 3:
        onset = track_onset(data, start, track_opening(sys.argv[3], 4 * RATE))
        if onset is None:
            print("the track is not in the stream yet")
            sys.exit(2)
    else:
        onset = next((i for i in range(start // 2, len(samples)) if abs(samples[i]) > SOUND), None)
        if onset is None:
            print("no sound yet")
            sys.exit(2)
        onset -= onset % CHANNELS
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
