#!/usr/bin/env python3
"""Random Smacker movies for checking a decoder against ffmpeg.

  randsmk.py SEED OUT.smk [--sig SMK2|SMK4] [--damaged]
  randsmk.py --corpus DIR FIRST:LAST     one file per seed and signature, every fourth damaged

Every movie is valid unless it is damaged on purpose; the same seed (and options) always gives
the same bytes. A valid movie exercises: both signatures, any width and height (also below 4
and not a multiple of 4), ring frames, the Y flags, keyframe bits, all block kinds and the
SMK4 FULL sub-modes, runs from the whole run table (long ones clipped at the picture's end),
Huffman trees of every shape (one leaf, balanced, lopsided, as deep as the limits allow),
absent trees, the three cache slots (unused, shared escape values, several leaves on one
escape), palette chunks with KEEP, COPY and literal commands, and zero to four audio tracks in
any slot, packed or raw, 8 or 16 bits, mono or stereo, at varied rates.

A damaged movie is a valid one with one or two faults of the kinds a decoder must treat the way
ffmpeg does: a truncated file, frames whose video data is cut short or empty, audio or palette
chunks whose lengths do not fit the frame, a COPY from beyond entry 256, trees that are too
deep, too large for their size field or longer than the tree block, audio chunks that do not
match their track, a bad signature or frame rate.

Standard library only, so that any checkout can run it.
"""
import itertools
import os
import random
import struct
import sys

# Blocks per TYPE symbol, by the six run bits.
RUNS = list(range(1, 60)) + [128, 256, 512, 1024, 2048]
MONO, FULL, SKIP, SOLID = range(4)
SMALL_TREE_MAX_DEPTH = 27
BIG_TREE_MAX_DEPTH = 500


class BitWriter:
    """Least significant bit first, as the format reads its bitstreams."""

    def __init__(self):
        self.data = bytearray()
        self.acc = 0
        self.count = 0

    def put(self, value, bits):
        self.acc |= (value & ((1 << bits) - 1)) << self.count
        self.count += bits
        while self.count >= 8:
            self.data.append(self.acc & 0xFF)
            self.acc >>= 8
            self.count -= 8

    def bytes(self):
        out = bytearray(self.data)
        if self.count:
            out.append(self.acc)
        return out


# A tree shape is a leaf (None) or a pair of shapes (bit 0 first).
def make_shape(rng, leaves, max_depth, style):
    """A tree with the given number of leaves, no leaf deeper than max_depth."""
    if leaves == 1:
        return None
    room = 1 << min(max_depth - 1, 40)
    low, high = max(1, leaves - room), min(leaves - 1, room)
    if style == "lopsided":
        left = rng.choice((low, high))
    elif style == "balanced":
        left = min(max(leaves // 2, low), high)
    else:
        left = rng.randint(low, high)
    return (make_shape(rng, left, max_depth - 1, style),
            make_shape(rng, leaves - left, max_depth - 1, style))


def leaf_codes(shape):
    """(code, length) of every leaf in pre-order; the first code bit is the lowest bit."""
    codes = []
    stack = [(shape, 0, 0)]
    while stack:
        node, code, length = stack.pop()
        if node is None:
            codes.append((code, length))
        else:
            stack.append((node[1], code | 1 << length, length + 1))
            stack.append((node[0], code, length + 1))
    return codes


def write_shape(bits, shape, write_leaf):
    """Pre-order: 1 for an inner node, 0 and the leaf's payload for a leaf."""
    leaf = 0
    stack = [shape]
    while stack:
        node = stack.pop()
        if node is None:
            bits.put(0, 1)
            write_leaf(leaf)
            leaf += 1
        else:
            bits.put(1, 1)
            stack.append(node[1])
            stack.append(node[0])


def random_style(rng):
    return rng.choice(("random", "random", "balanced", "lopsided"))


class SmallTree:
    """A tree of 8-bit leaves covering at least the given values, sometimes with spare leaves
    and repeated values. When 0 is the only value the tree may be absent (0 in no bits)."""

    def __init__(self, rng, values, allow_absent=True, max_depth=SMALL_TREE_MAX_DEPTH):
        values = sorted(set(values))
        self.absent = allow_absent and values == [0] and rng.random() < 0.5
        leaves = list(values)
        if len(values) > 1 or rng.random() < 0.3:
            spare = rng.randint(0, min(8, 256 - len(leaves)))
            leaves += [rng.randrange(256) for _ in range(spare)]  # may repeat a value
        rng.shuffle(leaves)
        self.leaves = leaves
        self.shape = make_shape(rng, len(leaves), max_depth, random_style(rng))
        self.codes = {}
        for value, code in zip(leaves, leaf_codes(self.shape)):
            self.codes.setdefault(value, []).append(code)

    def write(self, bits):
        if self.absent:
            bits.put(0, 1)
            return
        bits.put(1, 1)
        write_shape(bits, self.shape, lambda i: bits.put(self.leaves[i], 8))
        bits.put(0, 1)

    def symbol(self, rng, bits, value):
        if self.absent:
            assert value == 0
            return
        code, length = rng.choice(self.codes[value])
        bits.put(code, length)


class BigTree:
    """A video tree: 16-bit leaves sent through two small trees, three escape values that turn
    leaves into references to the tree's three-value cache. Encoding a symbol simulates the
    decoder's cache so the caller learns the value it decodes to."""

    def __init__(self, rng, ordinary_value, deep=False):
        if deep:
            count, style, max_depth = rng.randint(300, 450), "lopsided", 450
        else:
            count = rng.choice((1, 1, 2, 3, rng.randint(2, 12), rng.randint(8, 64), rng.randint(50, 300)))
            style, max_depth = random_style(rng), BIG_TREE_MAX_DEPTH
        self.escapes = [rng.randrange(0x10000) for _ in range(3)]
        if rng.random() < 0.15:  # a slot whose escape repeats an earlier one: never reached
            self.escapes[rng.randint(1, 2)] = self.escapes[0]
        raws = []
        for _ in range(count):
            roll = rng.random()
            if roll < 0.12:
                raws.append(self.escapes[rng.randrange(3)])  # a reference (or, repeated, a 0)
            else:
                value = ordinary_value()
                while value in self.escapes:
                    value = ordinary_value()
                raws.append(value)
        rng.shuffle(raws)
        self.raws = raws
        # The decoder's view of each leaf: ("ref", slot) for the last leaf carrying a slot's
        # escape, ("value", 0) for earlier ones, ("value", raw) otherwise.
        self.meaning = []
        last = {}
        for i, raw in enumerate(raws):
            slot = self.escapes.index(raw) if raw in self.escapes else None
            self.meaning.append(("value", raw))
            if slot is not None:
                last[slot] = i
        for i, raw in enumerate(raws):
            if raw in self.escapes:
                slot = self.escapes.index(raw)
                self.meaning[i] = ("ref", slot) if last[slot] == i else ("value", 0)
        self.shape = make_shape(rng, count, max_depth, style)
        self.codes = leaf_codes(self.shape)
        self.lo = SmallTree(rng, [r & 0xFF for r in raws])
        self.hi = SmallTree(rng, [r >> 8 for r in raws])
        self.elements = 2 * count - 1
        self.cache = [0, 0, 0]

    def size_field(self, rng):
        """What real files write, sometimes the least ffmpeg accepts, sometimes more."""
        roll = rng.random()
        if roll < 0.1:
            return 4 * self.elements - 3
        if roll < 0.2:
            return 4 * (self.elements + 3) + rng.randrange(1000)
        return 4 * (self.elements + 3)

    def write(self, bits, rng):
        self.lo.write(bits)
        self.hi.write(bits)
        for e in self.escapes:
            bits.put(e, 16)

        def leaf(i):
            self.lo.symbol(rng, bits, self.raws[i] & 0xFF)
            self.hi.symbol(rng, bits, self.raws[i] >> 8)

        write_shape(bits, self.shape, leaf)
        bits.put(0, 1)

    def symbol(self, rng, bits, pick=None):
        i = pick(self) if pick else rng.randrange(len(self.raws))
        code, length = self.codes[i]
        bits.put(code, length)
        kind, v = self.meaning[i]
        if kind == "ref":
            v = self.cache[v]
        if v != self.cache[0]:
            self.cache = [v, self.cache[0], self.cache[1]]
        return v


class AbsentTree:
    def symbol(self, rng, bits, pick=None):
        return 0


class Movie:
    def __init__(self, seed, signature=None):
        self.rng = rng = random.Random(seed)
        self.smk4 = (signature or rng.choice(("SMK2", "SMK4"))) == "SMK4"
        self.signature = b"SMK4" if self.smk4 else b"SMK2"
        self.width, self.height = self.random_size()
        self.frames = rng.choice((1, 2, 3, 4, 5, 6, rng.randint(1, 12)))
        if rng.random() < 0.02:
            self.frames = 0
        self.flags = (rng.random() < 0.2) | (rng.random() < 0.15) << 1 | (rng.random() < 0.15) << 2
        if self.frames == 0:
            self.flags |= 1
        self.stored = self.frames + (self.flags & 1)
        self.rate = rng.choice((100, 67, 33, -6667, -7142, -5000, rng.randint(1, 1000),
                                -rng.randint(1, 300000), 0))
        self.colours = [rng.randrange(256) for _ in range(rng.randint(2, 24))]
        self.kind_weights = [rng.random() + 0.05 for _ in range(4)]
        self.make_trees()
        self.make_audio_tracks()

    def random_size(self):
        rng = self.rng
        roll = rng.random()
        if roll < 0.1:
            return rng.randint(1, 7), rng.randint(1, 7)
        if roll < 0.2:  # a long strip
            long_side = rng.randint(64, 640)
            short_side = rng.randint(1, 12)
            return (long_side, short_side) if rng.random() < 0.5 else (short_side, long_side)
        if roll < 0.6:
            return 4 * rng.randint(1, 24), 4 * rng.randint(1, 20)
        return rng.randint(1, 100), rng.randint(1, 80)

    # Ordinary leaf values of each tree.
    def colour(self):
        rng = self.rng
        return rng.choice(self.colours) if rng.random() < 0.7 else rng.randrange(256)

    def type_value(self):
        rng = self.rng
        kind = rng.choices(range(4), self.kind_weights)[0]
        roll = rng.random()
        if roll < 0.6:
            run = rng.randint(0, 7)
        elif roll < 0.85:
            run = rng.randint(8, 58)
        else:
            run = rng.randint(59, 63)
        # The top byte is the SOLID colour; other kinds carry junk there, which must not matter.
        extra = self.colour() if kind == SOLID or rng.random() < 0.5 else rng.randrange(256)
        return extra << 8 | run << 2 | kind

    def make_trees(self):
        rng = self.rng
        makers = [lambda: rng.randrange(0x10000),                 # MMAP: masks
                  lambda: self.colour() << 8 | self.colour(),     # MCLR: colour pairs
                  lambda: self.colour() << 8 | self.colour(),     # FULL: pixel pairs
                  self.type_value]                                # TYPE
        deep = rng.randrange(4) if rng.random() < 0.05 else -1
        self.trees = []
        for i, maker in enumerate(makers):
            absent = rng.random() < (0.04 if i == 3 else 0.1)
            self.trees.append(AbsentTree() if absent else BigTree(rng, maker, deep=deep == i))
        if all(isinstance(t, AbsentTree) for t in self.trees):
            self.trees[3] = BigTree(rng, makers[3])

    def make_audio_tracks(self):
        rng = self.rng
        count = rng.choice((0, 0, 1, 1, 1, 2, 3, 4))
        self.tracks = {}
        for slot in sorted(rng.sample(range(7), count)):
            rate = rng.choice((5512, 8000, 11025, 22050, 44100, 48000, rng.randint(1000, 96000)))
            self.tracks[slot] = {
                "rate": rate,
                "packed": rng.random() < 0.6,
                "stereo": rng.random() < 0.5,
                "wide": rng.random() < 0.5,
                "largest": 0,
            }
        # A chunk for a track the header leaves unused: skipped by the reader.
        self.orphan = rng.randrange(7) if rng.random() < 0.05 else None
        if self.orphan in self.tracks:
            self.orphan = None

    # Frame parts.
    def palette_chunk(self):
        rng = self.rng
        cmds = bytearray()
        i = 0
        while i < 256:
            roll = rng.random()
            if roll < 0.3:  # KEEP; the last one may run past entry 255
                n = rng.randint(1, 128)
                cmds.append(0x80 | (n - 1))
            elif roll < 0.5:  # COPY from the palette as it was before this chunk
                n = rng.randint(1, 64)
                cmds += bytes((0x40 | (n - 1), rng.randint(0, 256 - n)))
            else:  # a literal colour; the top bits of green and blue are ignored
                n = 1
                cmds += bytes((rng.randrange(64), rng.randrange(256), rng.randrange(256)))
            i += n
        words = (len(cmds) + 1 + 3) // 4 + (rng.random() < 0.1) * rng.randint(1, 3)
        words = min(words, 255)
        chunk = bytearray((words,)) + cmds
        chunk += bytes(4 * words - len(chunk))
        return chunk

    def audio_chunk(self, track, first):
        rng = self.rng
        channels = 2 if track["stereo"] else 1
        width = 2 if track["wide"] else 1
        per_channel = rng.randint(1, 4000 if first else 800)
        if track["packed"]:
            payload = self.packed_audio(per_channel * channels, channels, width)
            decoded = per_channel * channels * width
        else:
            payload = self.raw_audio(per_channel * channels * width)
            decoded = len(payload)
        track["largest"] = max(track["largest"], decoded)
        return struct.pack("<I", 4 + len(payload)) + payload

    def raw_audio(self, size):
        rng = self.rng
        size = max(size, 4)  # ffmpeg wants 4 payload bytes even for 8-bit PCM
        if rng.random() < 0.5:
            return bytes(rng.randrange(256) for _ in range(size))
        step = rng.randint(1, 9)
        return bytes((k * step) & 0xFF for k in range(size))

    def packed_audio(self, samples, channels, width):
        rng = self.rng
        bits = BitWriter()
        bits.put(1, 1)
        bits.put(channels == 2, 1)
        bits.put(width == 2, 1)
        trees = []
        for _ in range(channels * width):
            deltas = {rng.randrange(256) for _ in range(rng.choice((1, 1, 2, 5, 20, 80)))}
            tree = SmallTree(rng, deltas, allow_absent=False)
            tree.write(bits)
            trees.append((tree, sorted(deltas)))
        for _ in range(channels * width):  # initial values: right channel first, high byte first
            bits.put(rng.randrange(256), 8)
        for j in range(channels, samples):
            channel = j & 1 if channels == 2 else 0
            for byte in range(width):
                tree, deltas = trees[channel * width + byte]
                tree.symbol(rng, bits, rng.choice(deltas))
        out = bytearray(struct.pack("<I", samples * width)) + bits.bytes()
        if rng.random() < 0.2:
            out += bytes(rng.randrange(256) for _ in range(rng.randint(1, 5)))  # ignored
        return out

    def pick_type(self, keyframe):
        """TYPE leaves are weighted by the kind they carry; keyframes avoid SKIP."""
        rng = self.rng

        weights = []
        for kind, v in self.trees[3].meaning:
            w = 1.0 if kind == "ref" else self.kind_weights[v & 3]
            if keyframe and kind == "value" and v & 3 == SKIP:
                w = 0.01
            weights.append(w)
        cumulative = list(itertools.accumulate(weights))
        leaves = range(len(weights))

        def pick(tree):
            return rng.choices(leaves, cum_weights=cumulative)[0]

        return pick

    def video_data(self, keyframe):
        rng = self.rng
        bits = BitWriter()
        mmap, mclr, full, types = self.trees
        for t in self.trees:
            if isinstance(t, BigTree):
                t.cache = [0, 0, 0]
        blocks = (self.width // 4) * (self.height // 4)
        pick = self.pick_type(keyframe) if isinstance(types, BigTree) else None
        b = 0
        while b < blocks:
            t = types.symbol(rng, bits, pick)
            kind = t & 3
            per_block = 0
            if kind == FULL:
                per_block = 8
                if self.smk4:
                    mode = rng.randrange(3)
                    if mode == 0:  # DOUBLE
                        bits.put(1, 1)
                        per_block = 2
                    else:  # HALF (0 1) or NORMAL (0 0)
                        bits.put(0, 1)
                        bits.put(mode == 1, 1)
                        per_block = 4 if mode == 1 else 8
            n = min(RUNS[(t >> 2) & 0x3F], blocks - b)
            for _ in range(n):
                if kind == MONO:
                    mclr.symbol(rng, bits)
                    mmap.symbol(rng, bits)
                elif kind == FULL:
                    for _ in range(per_block):
                        full.symbol(rng, bits)
            b += n
        data = bits.bytes()
        if not data or rng.random() < 0.1:
            data += bytes(rng.randrange(256) for _ in range(rng.randint(1, 6)))  # ignored
        return data

    def frame_parts(self, i):
        """(type byte, palette, audio chunks, video data, keyframe) of stored frame i."""
        rng = self.rng
        keyframe = i == 0 or rng.random() < 0.15
        ftype = 0
        palette = b""
        if (i == 0 and rng.random() < 0.95) or keyframe or rng.random() < 0.4:
            ftype |= 1
            palette = self.palette_chunk()
        audio = []
        for slot in range(7):
            if slot in self.tracks and rng.random() < 0.75:
                ftype |= 2 << slot
                audio.append(self.audio_chunk(self.tracks[slot], i == 0))
            elif slot == self.orphan and rng.random() < 0.5:
                ftype |= 2 << slot
                audio.append(struct.pack("<I", 12) + bytes(rng.randrange(256) for _ in range(8)))
        video = self.video_data(keyframe)
        return ftype, palette, audio, video, keyframe

    def build(self):
        rng = self.rng
        trees = BitWriter()
        sizes = []
        for t in self.trees:
            if isinstance(t, AbsentTree):
                trees.put(0, 1)
                sizes.append(rng.choice((0, 0, rng.randrange(1 << 16))))
            else:
                trees.put(1, 1)
                t.write(trees, rng)
                sizes.append(t.size_field(rng))
        tree_block = trees.bytes()
        if rng.random() < 0.1:
            tree_block += bytes(rng.randrange(256) for _ in range(rng.randint(1, 8)))  # ignored

        frames = [self.frame_parts(i) for i in range(self.stored)]
        return tree_block, sizes, frames

    def header(self, tree_block, sizes):
        audio_size = [0] * 7
        audio_rate = [0] * 7
        for slot, t in self.tracks.items():
            flags = 0x40 | 0x80 * t["packed"] | 0x20 * t["wide"] | 0x10 * t["stereo"]
            audio_rate[slot] = t["rate"] | flags << 24
            # Real files sometimes understate the largest chunk: only a hint.
            audio_size[slot] = t["largest"] if self.rng.random() < 0.8 else t["largest"] // 2
        return (self.signature
                + struct.pack("<IIIiI", self.width, self.height, self.frames, self.rate, self.flags)
                + struct.pack("<7I", *audio_size)
                + struct.pack("<5I", len(tree_block), *sizes)
                + struct.pack("<7I", *audio_rate)
                + struct.pack("<I", 0))


def assemble(movie, tree_block, sizes, chunks):
    """chunks: (type byte, chunk bytes, size flag bits) per stored frame."""
    out = bytearray(movie.header(tree_block, sizes))
    for _, chunk, flag_bits in chunks:
        out += struct.pack("<I", len(chunk) & ~3 | flag_bits)
    out += bytes(c[0] for c in chunks)
    out += tree_block
    for _, chunk, _ in chunks:
        out += chunk
    return out


def pad4(data):
    return data + bytes((-len(data)) % 4)


def flag_bits(rng, keyframe):
    return keyframe | (rng.random() < 0.05) << 1  # bit 1 means nothing to any reader


def valid_chunks(movie, frames):
    rng = movie.rng
    chunks = []
    for ftype, palette, audio, video, keyframe in frames:
        chunk = pad4(bytes(palette) + b"".join(audio) + bytes(video))
        chunks.append((ftype, chunk, flag_bits(rng, keyframe)))
    return chunks


def generate(seed, signature=None, damaged=False):
    movie = Movie(seed, signature)
    tree_block, sizes, frames = movie.build()
    if not damaged:
        data = assemble(movie, tree_block, sizes, valid_chunks(movie, frames))
        if movie.rng.random() < 0.1:
            data += bytes(movie.rng.randrange(256) for _ in range(movie.rng.randint(1, 40)))
        return bytes(data)
    return damage(movie, tree_block, sizes, frames)


def damage(movie, tree_block, sizes, frames):
    rng = movie.rng
    faults = rng.sample(FAULTS, rng.choice((1, 1, 2)))
    state = {"tree_block": tree_block, "sizes": sizes, "frames": [list(f) for f in frames],
             "truncate": None, "header": {}}
    for fault in faults:
        fault(movie, state)
    chunks = []
    for ftype, palette, audio, video, keyframe, *cut in state["frames"]:
        chunk = bytes(palette) + b"".join(audio) + bytes(video)
        if cut:  # video cut to its first cut[0] bytes, then padded
            chunk = bytes(palette) + b"".join(audio) + bytes(video[:cut[0]])
        chunks.append((ftype, pad4(chunk), flag_bits(rng, keyframe)))
    data = assemble(movie, state["tree_block"], state["sizes"], chunks)
    for offset, value in state["header"].items():
        data[offset:offset + len(value)] = value
    if state.get("frame_size") is not None:
        i, size = state["frame_size"]
        struct.pack_into("<I", data, 0x68 + 4 * i, size)
    if state["truncate"] is not None:
        data = data[:state["truncate"](len(data))]
    return bytes(data)


def some_frame(movie, state):
    return movie.rng.randrange(len(state["frames"])) if state["frames"] else None


def truncate_file(movie, state):
    rng = movie.rng
    roll = rng.random()
    if roll < 0.15:
        state["truncate"] = lambda n: rng.randrange(min(n, 0x68 + 5 * movie.stored + 8))
    else:
        start = 0x68 + 5 * movie.stored + len(state["tree_block"])
        state["truncate"] = lambda n: rng.randint(min(start, n - 1), n - 1)


def cut_video(movie, state):
    rng = movie.rng
    for _ in range(rng.randint(1, 3)):
        i = some_frame(movie, state)
        if i is None:
            return
        frame = state["frames"][i]
        frame[3] = bytes(frame[3])
        keep = 0 if rng.random() < 0.25 else rng.randrange(max(1, len(frame[3])))
        del frame[5:]
        frame.append(keep)


def bad_audio_length(movie, state):
    rng = movie.rng
    candidates = [(i, k) for i, f in enumerate(state["frames"]) for k in range(len(f[2]))]
    if not candidates:
        return cut_video(movie, state)
    i, k = rng.choice(candidates)
    chunk = bytearray(state["frames"][i][2][k])
    roll = rng.random()
    if roll < 0.4:
        length = rng.randint(0, 7)
    else:
        frame = state["frames"][i]
        length = len(frame[1]) + sum(len(a) for a in frame[2]) + len(frame[3]) + rng.randint(4, 400)
    struct.pack_into("<I", chunk, 0, length)
    state["frames"][i][2][k] = bytes(chunk)


def mismatched_audio(movie, state):
    """A packed chunk whose stereo or 16-bit bit, or decoded size, disagrees with its track."""
    rng = movie.rng
    packed = [s for s, t in movie.tracks.items() if t["packed"]]
    if not packed:
        return cut_video(movie, state)
    slot = rng.choice(packed)
    for frame in state["frames"]:
        if not frame[0] & 2 << slot:
            continue
        k = bin(frame[0] & ((2 << slot) - 2)).count("1")
        chunk = bytearray(frame[2][k])
        roll = rng.random()
        if roll < 0.35:
            chunk[8] ^= 2  # stereo bit
        elif roll < 0.7:
            chunk[8] ^= 4  # 16-bit bit
        elif roll < 0.85:
            chunk[8] &= ~8 & 0xFF  # first tree's present bit, which ffmpeg ignores
        else:
            struct.pack_into("<I", chunk, 4, struct.unpack_from("<I", chunk, 4)[0] + 1)
        frame[2][k] = bytes(chunk)
        if rng.random() < 0.5:
            break


def bad_palette(movie, state):
    rng = movie.rng
    frames = [f for f in state["frames"] if f[1]]
    if not frames:
        return cut_video(movie, state)
    frame = rng.choice(frames)
    if rng.random() < 0.5:  # COPY whose source runs past entry 255
        n = rng.randint(2, 64)
        cmds = bytes((0x40 | (n - 1), rng.randint(257 - n, 255), 0xFF, 0xFF))
        words = (len(cmds) + 4) // 4
        frame[1] = bytes((words,)) + cmds + bytes(4 * words - 1 - len(cmds))
    else:  # a length beyond the frame
        chunk = bytearray(frame[1])
        chunk[0] = 255
        frame[1] = bytes(chunk)


def bad_trees(movie, state):
    rng = movie.rng
    roll = rng.random()
    present = [i for i, t in enumerate(movie.trees) if isinstance(t, BigTree)]
    if roll < 0.3:  # tree block cut short
        block = state["tree_block"]
        state["tree_block"] = block[:rng.randrange(len(block))]
    elif roll < 0.55:  # a size field too small for its tree
        i = rng.choice(present)
        state["sizes"][i] = rng.randrange(max(1, 4 * movie.trees[i].elements - 3))
    elif roll < 0.8:  # a big tree deeper than ffmpeg accepts
        i = rng.choice(present)
        tree = BigTree(rng, lambda: rng.randrange(0x10000))
        tree.shape = make_shape(rng, 520, 10000, "lopsided")
        tree.raws = [rng.randrange(0x10000) for _ in range(520)]
        tree.lo = SmallTree(rng, [r & 0xFF for r in tree.raws])
        tree.hi = SmallTree(rng, [r >> 8 for r in tree.raws])
        tree.elements = 2 * 520 - 1
        rewrite_trees(movie, state, i, tree)
    else:  # a small tree deeper than 27
        i = rng.choice(present)
        tree = movie.trees[i]
        values = list(range(30))
        tree.lo = SmallTree(rng, values, max_depth=40)
        tree.lo.shape = make_shape(rng, len(tree.lo.leaves), 40, "lopsided")
        tree.lo.codes = {}
        for value, code in zip(tree.lo.leaves, leaf_codes(tree.lo.shape)):
            tree.lo.codes.setdefault(value, []).append(code)
        tree.raws = [(r & 0xFF00) | rng.choice(values) for r in tree.raws]
        rewrite_trees(movie, state, i, tree)


def rewrite_trees(movie, state, index, replacement):
    rng = movie.rng
    bits = BitWriter()
    for i, t in enumerate(movie.trees):
        t = replacement if i == index else t
        if isinstance(t, AbsentTree):
            bits.put(0, 1)
        else:
            bits.put(1, 1)
            t.write(bits, rng)
    state["tree_block"] = bits.bytes()
    state["sizes"][index] = 4 * (replacement.elements + 3)


def bad_header(movie, state):
    rng = movie.rng
    roll = rng.random()
    if roll < 0.3:
        state["header"][0] = rng.choice((b"SMK3", b"smk2", b"SMK\0", b"BIKi"))
    elif roll < 0.6:
        state["header"][0x10] = struct.pack("<i", rng.choice((21474837, 0x7FFFFFFF)))
    else:  # one frame's size beyond the end of the file
        i = some_frame(movie, state)
        if i is not None:
            state["frame_size"] = (i, rng.randint(1, 1 << 20) * 4)


FAULTS = [truncate_file, truncate_file, cut_video, cut_video, bad_audio_length, mismatched_audio,
          bad_palette, bad_trees, bad_header]


def write_corpus(folder, first, last):
    os.makedirs(folder, exist_ok=True)
    for seed in range(first, last + 1):
        for sig in ("SMK2", "SMK4"):
            data = generate(seed, sig, damaged=seed % 4 == 0)
            with open(os.path.join(folder, "gen%d_%s.smk" % (seed, sig)), "wb") as f:
                f.write(data)


def main(argv):
    if len(argv) == 4 and argv[1] == "--corpus":
        first, last = (int(x) for x in argv[3].split(":"))
        write_corpus(argv[2], first, last)
        return 0
    if len(argv) < 3:
        print(__doc__.split("\n\n")[1], file=sys.stderr)
        return 2
    signature = None
    if "--sig" in argv:
        signature = argv[argv.index("--sig") + 1]
    data = generate(int(argv[1]), signature, damaged="--damaged" in argv)
    with open(argv[2], "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
