"""Checks of tools/gen_sounds.py: the WAVE clips it writes for resources
107..110 must be reproducible and exactly of the size and format the
resource script and the sound gate expect."""

import os
import struct
import subprocess
import sys
import tempfile
import unittest
import wave

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOOL = os.path.join(ROOT, "tools", "gen_sounds.py")
COMMITTED = os.path.join(ROOT, "resources", "sounds")

# id: (channels, sample rate, total file size in bytes)
EXPECTED = {
    107: (1, 22050, 8848),
    108: (2, 44100, 287248),
    109: (1, 22050, 22094),
    110: (1, 22050, 22092),
}


def run_tool(out_dir):
    subprocess.run([sys.executable, TOOL, out_dir], check=True,
                   stdout=subprocess.DEVNULL)
    data = {}
    for sound_id in EXPECTED:
        with open(os.path.join(out_dir, "%d.wav" % sound_id), "rb") as f:
            data[sound_id] = f.read()
    return data


def samples(blob):
    """(channels, list of per-channel sample lists) of a canonical 16-bit file."""
    channels = struct.unpack_from("<H", blob, 22)[0]
    pcm = struct.unpack("<%dh" % ((len(blob) - 44) // 2), blob[44:])
    return channels, [pcm[c::channels] for c in range(channels)]


class GeneratedSounds(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls._tmp = tempfile.TemporaryDirectory()
        cls.first = run_tool(os.path.join(cls._tmp.name, "a"))
        cls.second = run_tool(os.path.join(cls._tmp.name, "b"))

    @classmethod
    def tearDownClass(cls):
        cls._tmp.cleanup()

    def test_reruns_are_byte_identical_and_match_committed_files(self):
        for sound_id, blob in self.first.items():
            with self.subTest(sound=sound_id):
                self.assertEqual(blob, self.second[sound_id])
                with open(os.path.join(COMMITTED, "%d.wav" % sound_id), "rb") as f:
                    self.assertEqual(blob, f.read(), "committed clip is stale")

    def test_canonical_header_size_and_format(self):
        for sound_id, (channels, rate, size) in EXPECTED.items():
            blob = self.first[sound_id]
            with self.subTest(sound=sound_id):
                self.assertEqual(len(blob), size)
                riff, riff_size, wave_id, fmt_id, fmt_size = struct.unpack_from("<4sI4s4sI", blob, 0)
                self.assertEqual((riff, wave_id, fmt_id, fmt_size), (b"RIFF", b"WAVE", b"fmt ", 16))
                self.assertEqual(riff_size, size - 8)
                tag, nch, srate, byte_rate, align, bits = struct.unpack_from("<HHIIHH", blob, 20)
                self.assertEqual((tag, nch, srate, bits), (1, channels, rate, 16))
                self.assertEqual((align, byte_rate), (2 * channels, 2 * channels * rate))
                data_id, data_size = struct.unpack_from("<4sI", blob, 36)
                self.assertEqual((data_id, data_size), (b"data", size - 44))
                self.assertEqual(data_size % align, 0)
                # and the standard reader agrees
                path = os.path.join(self._tmp.name, "a", "%d.wav" % sound_id)
                with wave.open(path, "rb") as w:
                    self.assertEqual((w.getnchannels(), w.getsampwidth(), w.getframerate(),
                                      w.getnframes()), (channels, 2, rate, data_size // align))

    def test_levels_audible_unclipped_and_silent_at_both_ends(self):
        for sound_id, blob in self.first.items():
            channels, per_channel = samples(blob)
            for c, chan in enumerate(per_channel):
                with self.subTest(sound=sound_id, channel=c):
                    peak = max(abs(s) for s in chan)
                    self.assertLess(peak, int(0.95 * 32767), "too close to clipping")
                    self.assertGreater(peak, int(0.25 * 32767), "clip is nearly silent")
                    self.assertLessEqual(abs(chan[0]), 16)
                    self.assertLessEqual(abs(chan[-1]), 16)
            if channels == 2:
                self.assertTrue(per_channel[0] != per_channel[1], "stereo clip is dual mono")


if __name__ == "__main__":
    unittest.main()
