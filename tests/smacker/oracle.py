#!/usr/bin/env python3
"""Decodes Smacker movies with smkdec and with ffmpeg and compares the outputs byte for byte:
every RGB24 frame (so the frame count too) and every audio track.

  oracle.py SMKDEC --samples DIR [--expect FRAMES:TRACKS]
  oracle.py SMKDEC --smkgen DIR --seeds FIRST:LAST [--sig SMK2|SMK4] [--corrupt]

Exits 0 when everything matches, 1 on a mismatch, 77 (skip) when the input folder is absent.
"""
import argparse
import concurrent.futures
import json
import os
import subprocess
import sys
import tempfile

SKIP = 77


def run(cmd):
    return subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE)


def ffmpeg(path, audio_formats, tmp):
    """ffmpeg's decode of the video stream and of audio stream j in audio_formats[j] ("u8" or
    "s16le"), from one run with one output per stream."""
    base = os.path.join(tmp, os.path.basename(path))
    outputs = [base + ".rgb"] + [base + ".a%d" % j for j in range(len(audio_formats))]
    cmd = ["ffmpeg", "-nostdin", "-v", "error", "-y", "-i", path,
           "-map", "0:v:0", "-fps_mode", "passthrough", "-f", "rawvideo", "-pix_fmt", "rgb24", outputs[0]]
    for j, fmt in enumerate(audio_formats):
        codec = "pcm_u8" if fmt == "u8" else "pcm_s16le"
        cmd += ["-map", "0:a:%d" % j, "-f", fmt, "-c:a", codec, outputs[j + 1]]
    run(cmd)
    result = []
    for out in outputs:
        try:
            with open(out, "rb") as f:
                result.append(f.read())
            os.remove(out)
        except FileNotFoundError:
            result.append(b"")
    return result[0], result[1:]


def first_difference(a, b):
    for i, (x, y) in enumerate(zip(a, b)):
        if x != y:
            return i
    return min(len(a), len(b))


def check(smkdec, path, tmp):
    """Returns (problems, frames, tracks) for one movie."""
    problems = []
    info = run([smkdec, path, "--info"])
    if info.returncode != 0:
        # We reject the file: ffmpeg must not produce a picture from it either.
        theirs_video, _ = ffmpeg(path, [], tmp)
        if theirs_video:
            problems.append("smkdec rejects it (%s) but ffmpeg decodes %d bytes" % (info.stderr.decode().strip(), len(theirs_video)))
        return problems, 0, 0
    header = json.loads(info.stdout)
    # ffmpeg numbers the audio streams of all tracks with a rate, in track order.
    streams = header["audio_tracks"]
    formats = ["s16le" if t["bits"] == 16 else "u8" for t in streams]
    theirs_video, theirs_audio = ffmpeg(path, formats, tmp)
    ours_video = run([smkdec, path, "--video", "-"])
    frame_bytes = header["width"] * header["height"] * 3
    if ours_video.stdout != theirs_video:
        at = first_difference(ours_video.stdout, theirs_video)
        problems.append("video differs: %d vs %d bytes (ffmpeg), first difference in frame %d" % (
            len(ours_video.stdout), len(theirs_video), at // frame_bytes))
    frames = len(theirs_video) // frame_bytes
    tracks = 0
    for t, theirs in zip(streams, theirs_audio):
        if t["codec"] not in ("pcm", "smacker"):
            continue
        ours = run([smkdec, path, "--audio", str(t["track"]), "-"]).stdout
        if ours != theirs:
            problems.append("audio track %d differs: %d vs %d bytes (ffmpeg), first difference at byte %d" % (
                t["track"], len(ours), len(theirs), first_difference(ours, theirs)))
        tracks += 1
    return problems, frames, tracks


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("smkdec")
    ap.add_argument("--samples")
    ap.add_argument("--smkgen")
    ap.add_argument("--seeds", default="1:100")
    ap.add_argument("--sig")
    ap.add_argument("--corrupt", action="store_true")
    ap.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    ap.add_argument("--expect", help="FRAMES:TRACKS that must have been compared")
    a = ap.parse_args()

    with tempfile.TemporaryDirectory() as tmp:
        if a.samples:
            if not os.path.isdir(a.samples):
                print("no sample folder %s: skipped" % a.samples)
                return SKIP
            paths = sorted(os.path.join(a.samples, f) for f in os.listdir(a.samples))
        else:
            if not os.path.isfile(os.path.join(a.smkgen or "", "fuzzgen.py")):
                print("no smkgen in %s: skipped" % a.smkgen)
                return SKIP
            # In-process: a python start per movie would cost more than the whole comparison.
            sys.path.insert(0, a.smkgen)
            import fuzzgen
            first, last = (int(x) for x in a.seeds.split(":"))
            paths = []
            for seed in range(first, last + 1):
                data = fuzzgen.gen(seed, a.sig.encode() if a.sig else None, corrupt=a.corrupt)
                paths.append(os.path.join(tmp, "seed%d.smk" % seed))
                with open(paths[-1], "wb") as f:
                    f.write(data)

        with concurrent.futures.ThreadPoolExecutor(a.jobs) as pool:
            results = list(pool.map(lambda p: check(a.smkdec, p, tmp), paths))

    failed = 0
    frames = tracks = 0
    for path, (problems, f, t) in zip(paths, results):
        frames += f
        tracks += t
        for p in problems:
            print("MISMATCH %s: %s" % (os.path.basename(path), p))
        failed += bool(problems)
    print("%d movies, %d frames, %d audio tracks compared with ffmpeg; %d differ" % (len(paths), frames, tracks, failed))
    if a.expect and a.expect != "%d:%d" % (frames, tracks):
        print("expected %s frames:tracks" % a.expect)
        return 1
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
