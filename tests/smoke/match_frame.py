#!/usr/bin/env python3
"""Finds a screenshot's picture among a movie's decoded frames.

    match_frame.py SCREENSHOT.png FRAMES.rgb WIDTH HEIGHT

FRAMES.rgb holds every frame of the movie as RGB24 (what `smkdec FILE --video OUT` writes),
WIDTH x HEIGHT each. The screenshot matches when the movie-sized region at the centre of the
screen is identical to one of the frames and every other pixel of the screen is black. Prints
the frame's index, or what differs from the closest frame; exit status 0 on a match.
"""
import subprocess
import sys


def screen_pixels(png):
    """The screenshot as (width, height, RGB24 bytes), through ImageMagick."""
    size = subprocess.run(["identify", "-format", "%w %h", png], check=True,
                          capture_output=True, text=True).stdout.split()
    raw = subprocess.run(["convert", png, "-depth", "8", "rgb:-"], check=True,
                         capture_output=True).stdout
    return int(size[0]), int(size[1]), raw


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    png, frames_path, width, height = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    screen_w, screen_h, screen = screen_pixels(png)
    if width > screen_w or height > screen_h:
        print(f"the movie ({width}x{height}) is larger than the screen ({screen_w}x{screen_h})")
        return 1
    left, top = (screen_w - width) // 2, (screen_h - height) // 2

    # The centred region's rows, and the screen rows that show anything but black around it.
    row_bytes = width * 3
    region_rows = []
    lit_rows = 0
    for y in range(screen_h):
        row = screen[y * screen_w * 3:(y + 1) * screen_w * 3]
        if top <= y < top + height:
            region_rows.append(row[left * 3:left * 3 + row_bytes])
            outside = row[:left * 3] + row[left * 3 + row_bytes:]
        else:
            outside = row
        lit_rows += outside.count(0) != len(outside)
    region = b"".join(region_rows)

    with open(frames_path, "rb") as f:
        frames = f.read()
    frame_bytes = row_bytes * height
    count = len(frames) // frame_bytes
    best, best_diff = None, None
    for n in range(count):
        frame = frames[n * frame_bytes:(n + 1) * frame_bytes]
        if frame == region:
            best, best_diff = n, 0
            break
        diff = sum(frame[y * row_bytes:(y + 1) * row_bytes] != region_rows[y]
                   for y in range(height))
        if best_diff is None or diff < best_diff:
            best, best_diff = n, diff

    if best_diff == 0:
        print(f"the centred {width}x{height} picture is frame {best} of {count}", end="")
    elif best is None:
        print(f"no frames of {width}x{height} in {frames_path}", end="")
    else:
        print(f"the centred picture matches no frame: the closest, frame {best} of {count}, "
              f"differs in {best_diff} rows", end="")
    print(f"; {lit_rows} screen rows show more than black around it")
    return 0 if best_diff == 0 and lit_rows == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
