#!/usr/bin/env python3
"""Decodes Smacker movies with smkdec and with ffmpeg and compares the outputs byte for byte:
every RGB24 frame (so the frame count too) and every audio track.

  oracle.py SMKDEC --samples DIR [--expect FRAMES:TRACKS]
  oracle.py SMKDEC --generated --seeds FIRST:LAST [--sig SMK2|SMK4] [--damaged] [--keep DIR]

--generated makes one movie per seed with randsmk.py (beside this script); --keep DIR writes
the movies that differ there, to be looked at or kept as regression inputs.

On a movie whose chunk layout breaks, smkdec stops at the broken frame. So does ffmpeg, unless
it meets the broken frame while probing the streams: it then takes the error for the end of
the file, and its real reading goes on after that frame. In that case smkdec's output must be
where ffmpeg's starts.
Exits 0 when everything matches, 1 on a mismatch, 77 (skip) when the sample folder is absent.
"""
import argparse
import concurrent.futures
import json
import os
import shutil
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
    stderr = run(cmd).stderr.decode(errors="replace")
    result = []
    for out in outputs:
        try:
            with open(out, "rb") as f:
                result.append(f.read())
            os.remove(out)
        except FileNotFoundError:
            result.append(b"")
    return result[0], result[1:], stderr


def first_difference(a, b):
    for i, (x, y) in enumerate(zip(a, b)):
        if x != y:
            return i
    return min(len(a), len(b))


def same(ours, theirs, prefix_will_do, unit):
    """Whether the outputs agree, the whole of theirs or (when allowed) a start of it that ends
    on a whole unit."""
    if ours == theirs:
        return True
    return prefix_will_do and len(ours) % unit == 0 and theirs.startswith(ours)


def check(smkdec, path, tmp):
    """Returns (problems, frames, tracks, samples) for one movie."""
    problems = []
    info = run([smkdec, path, "--info"])
    if info.returncode != 0:
        # We reject the file: ffmpeg must not produce a picture from it either.
        theirs_video, _, _ = ffmpeg(path, [], tmp)
        if theirs_video:
            problems.append("smkdec rejects it (%s) but ffmpeg decodes %d bytes" % (info.stderr.decode().strip(), len(theirs_video)))
        return problems, 0, 0, 0
    header = json.loads(info.stdout)
    # ffmpeg numbers the audio streams of all tracks with a rate, in track order.
    streams = header["audio_tracks"]
    formats = ["s16le" if t["bits"] == 16 else "u8" for t in streams]
    theirs_video, theirs_audio, their_errors = ffmpeg(path, formats, tmp)
    ours_video = run([smkdec, path, "--video", "-"])
    # A broken layout: smkdec says the movie is damaged, ffmpeg's demuxer reports an error.
    prefix_will_do = ours_video.returncode == 2 and "[smk @" in their_errors
    frame_bytes = header["width"] * header["height"] * 3
    if not same(ours_video.stdout, theirs_video, prefix_will_do, frame_bytes):
        at = first_difference(ours_video.stdout, theirs_video)
        problems.append("video differs: %d vs %d bytes (ffmpeg), first difference in frame %d" % (
            len(ours_video.stdout), len(theirs_video), at // frame_bytes))
    frames = min(len(ours_video.stdout), len(theirs_video)) // frame_bytes
    tracks = samples = 0
    for t, theirs in zip(streams, theirs_audio):
        if t["codec"] not in ("pcm", "smacker"):
            continue
        ours = run([smkdec, path, "--audio", str(t["track"]), "-"]).stdout
        if not same(ours, theirs, prefix_will_do, 1):
            problems.append("audio track %d differs: %d vs %d bytes (ffmpeg), first difference at byte %d" % (
                t["track"], len(ours), len(theirs), first_difference(ours, theirs)))
        tracks += 1
        samples += min(len(ours), len(theirs)) // (t["bits"] // 8)
    return problems, frames, tracks, samples


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("smkdec")
    ap.add_argument("--samples")
    ap.add_argument("--generated", action="store_true")
    ap.add_argument("--seeds", default="1:100")
    ap.add_argument("--sig", choices=("SMK2", "SMK4"))
    ap.add_argument("--damaged", action="store_true")
    ap.add_argument("--keep")
    ap.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    ap.add_argument("--expect", help="FRAMES:TRACKS that must have been compared")
    a = ap.parse_args()

    with tempfile.TemporaryDirectory() as tmp:
        if a.samples:
            if not os.path.isdir(a.samples):
                print("no sample folder %s: skipped" % a.samples)
                return SKIP
            paths = sorted(os.path.join(a.samples, f) for f in os.listdir(a.samples))
        elif a.generated:
            # In-process: a python start per movie would cost more than the whole comparison.
            sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
            import randsmk
            first, last = (int(x) for x in a.seeds.split(":"))
            paths = []
            for seed in range(first, last + 1):
                data = randsmk.generate(seed, a.sig, damaged=a.damaged)
                name = "%s%s-%d.smk" % (a.sig or "any", "-damaged" if a.damaged else "", seed)
                paths.append(os.path.join(tmp, name))
                with open(paths[-1], "wb") as f:
                    f.write(data)
        else:
            ap.error("give --samples DIR or --generated")

        with concurrent.futures.ThreadPoolExecutor(a.jobs) as pool:
            results = list(pool.map(lambda p: check(a.smkdec, p, tmp), paths))

        failed = 0
        frames = tracks = samples = 0
        for path, (problems, f, t, n) in zip(paths, results):
            frames += f
            tracks += t
            samples += n
            for p in problems:
                print("MISMATCH %s: %s" % (os.path.basename(path), p))
            if problems and a.keep:
                os.makedirs(a.keep, exist_ok=True)
                shutil.copy(path, a.keep)
            failed += bool(problems)
    print("%d movies, %d frames, %d audio tracks (%d samples) compared with ffmpeg; %d differ" % (
        len(paths), frames, tracks, samples, failed))
    if a.expect and a.expect != "%d:%d" % (frames, tracks):
        print("expected %s frames:tracks" % a.expect)
        return 1
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
