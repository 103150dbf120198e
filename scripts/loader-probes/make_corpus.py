#!/usr/bin/env python3
"""Writes the loader corpus: animated cursors, icons and cursors that exercise every rule of the
loader models (flags, sequence and rate lengths, chunk order, odd chunks and pads, sizes, cut
files, trailing bytes, frame kinds), plus manifest.json with, for each file, the stored frames'
sample colours and what the file intends to play.

Usage: make_corpus.py FOLDER [KURZORY]   (with KURZORY, also files written by `kurzory ani`)

Every frame is a 32 x 32 opaque picture whose 8 samples across the middle row tell it apart:
colour frames are one colour, 1-bit frames white or black bands spelling the frame number."""
import json
import os
import struct
import subprocess
import sys
import zlib


def colour(k):
    return ((40 + 23 * k) % 200 + 30, (200 - 37 * k) % 200 + 30, (90 + 61 * k) % 200 + 30)


def hexcolour(c):
    return "%02x%02x%02x" % c


def u16(v):
    return struct.pack("<H", v & 0xFFFF)


def u32(v):
    return struct.pack("<I", v & 0xFFFFFFFF)


def dib(width, height, bits, pixel, palette=None):
    """A BITMAPINFOHEADER image with AND mask; pixel(x, y) gives the stored value, y from the top."""
    header = u32(40) + u32(width) + u32(2 * height) + u16(1) + u16(bits) + u32(0) * 6
    if palette is not None:
        header = header[:32] + u32(len(palette)) + header[36:]
        header += b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    rows = b""
    stride = 4 * ((width * bits + 31) // 32)
    for y in reversed(range(height)):
        row = bytearray(stride)
        for x in range(width):
            value = pixel(x, y)
            if bits == 32:
                row[4 * x:4 * x + 4] = bytes((value[2], value[1], value[0], 255))
            elif bits == 24:
                row[3 * x:3 * x + 3] = bytes((value[2], value[1], value[0]))
            elif bits == 8:
                row[x] = value
            elif bits == 4:
                row[x // 2] |= value << (4 if x % 2 == 0 else 0)
            elif bits == 1 and value:
                row[x // 8] |= 0x80 >> (x % 8)
        rows += bytes(row)
    mask = bytes(4 * ((width + 31) // 32) * height)
    return header + rows + mask


def png(width, height, rgb):
    def chunk(kind, data):
        return u32be(len(data)) + kind + data + u32be(zlib.crc32(kind + data))

    def u32be(v):
        return struct.pack(">I", v)

    raw = b"".join(b"\0" + bytes(rgb) * width + b"" for _ in range(height))
    raw = b"".join(b"\0" + b"".join(bytes(rgb) + b"\xff" for _ in range(width)) for _ in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def image(kind, k, size=32):
    """Image bytes and the 8 samples a loader should show."""
    if kind == "png":
        return png(size, size, colour(k)), [hexcolour(colour(k))] * 8
    if kind == "mono":
        bits = k + 1
        samples = ["ffffff" if bits >> band & 1 else "000000" for band in range(8)]
        return (dib(size, size, 1, lambda x, y: bits >> (x * 8 // size) & 1, [(0, 0, 0), (255, 255, 255)]),
                samples)
    if kind == "monopal":
        # 1-bit with a palette other than black and white
        bits = k + 1
        samples = [hexcolour(colour(k)) if bits >> band & 1 else "102030" for band in range(8)]
        return (dib(size, size, 1, lambda x, y: bits >> (x * 8 // size) & 1, [(16, 32, 48), colour(k)]), samples)
    if kind == "pal4":
        return dib(size, size, 4, lambda x, y: 1, [(0, 0, 0), colour(k)]), [hexcolour(colour(k))] * 8
    if kind == "rgb24":
        return dib(size, size, 24, lambda x, y: colour(k)), [hexcolour(colour(k))] * 8
    if kind == "pal8":
        return dib(size, size, 8, lambda x, y: 1, [(0, 0, 0), colour(k)]), [hexcolour(colour(k))] * 8
    return dib(size, size, 32, lambda x, y: colour(k)), [hexcolour(colour(k))] * 8


def icon_file(images, resource_type=2, count=None, cut=0):
    """An icon or cursor file of (bytes, width) images; hot spot (3, 5) for cursors."""
    count = len(images) if count is None else count
    out = u16(0) + u16(resource_type) + u16(count)
    offset = 6 + 16 * len(images)
    for data, size in images:
        hot = (u16(3) + u16(5)) if resource_type == 2 else (u16(1) + u16(32))
        out += bytes((size % 256, size % 256, 0, 0)) + hot + u32(len(data)) + u32(offset)
        offset += len(data)
    out += b"".join(data for data, _ in images)
    return out[:len(out) - cut] if cut else out


def cursor(kind, k, size=32, resource_type=2):
    """A one-image cursor (or icon) file and the samples it should show."""
    data, samples = image(kind, k, size)
    return icon_file([(data, size)], resource_type), samples


def chunk(kind, data, pad=True, size=None):
    size = len(data) if size is None else size
    return kind + u32(size) + data + (b"\0" if pad and len(data) % 2 else b"")


class Ani:
    """An animated cursor described field by field; build() gives the bytes."""

    def __init__(self, frames=3, kind="bgra", steps=None, rate=6, flags=3, seq="identity", rates=None):
        self.kinds = kind if isinstance(kind, list) else [kind] * frames
        self.frames = [cursor(k, i) for i, k in enumerate(self.kinds)]
        self.header_frames = frames
        self.steps = frames if steps is None else steps
        self.rate = rate
        self.flags = flags
        self.seq = list(range(self.steps)) if seq == "identity" else seq
        self.rates = rates
        self.header_size = 36
        self.header_picture = (0, 0, 32, 1)  # anih width, height, bit count, planes
        self.header_chunk = None       # bytes of the anih chunk's data, when not the usual 36
        self.order = ["anih", "rate", "seq ", "fram"]
        self.extra = {}                # chunk name in order -> raw bytes
        self.frame_list_extra = []     # (position, raw bytes) inside the frame list
        self.pad_frames = True
        self.riff_size = None
        self.cut = 0
        self.trailing = b""
        self.wine_ref = False          # the fields contradict each other

    def anih(self):
        width, height, bits, planes = self.header_picture
        return (u32(self.header_size) + u32(self.header_frames) + u32(self.steps) + u32(width) + u32(height)
                + u32(bits) + u32(planes) + u32(self.rate) + u32(self.flags))

    def build(self):
        body = b""
        for name in self.order:
            if name == "anih":
                body += chunk(b"anih", self.anih() if self.header_chunk is None else self.header_chunk)
            elif name == "rate" and self.rates is not None:
                body += chunk(b"rate", b"".join(u32(r) for r in self.rates))
            elif name == "seq " and self.seq is not None:
                body += chunk(b"seq ", b"".join(u32(s) for s in self.seq))
            elif name == "fram":
                icons = [chunk(b"icon", data, self.pad_frames) for data, _ in self.frames]
                for position, raw in self.frame_list_extra:
                    icons.insert(position, raw)
                body += chunk(b"LIST", b"fram" + b"".join(icons))
            elif name in self.extra:
                body += self.extra[name]
        riff = len(body) + 4 if self.riff_size is None else self.riff_size
        data = b"RIFF" + u32(riff) + b"ACON" + body
        if self.cut:
            data = data[:len(data) - self.cut]
        return data + self.trailing

    def intent(self):
        """Steps as [frame, jiffies] by the file's own fields; None marks what the fields leave open."""
        sequence = self.seq if self.flags & 2 and self.seq is not None else None
        out = []
        for i in range(self.steps):
            frame = (sequence[i] if i < len(sequence) else None) if sequence is not None else i
            if frame is not None and frame >= len(self.frames):
                frame = None
            time = (self.rates[i] if i < len(self.rates) else None) if self.rates is not None else self.rate
            out.append([frame, time])
        return out

    def manifest(self):
        intent = self.intent()
        contradiction = (self.wine_ref or bool(self.flags & 2) != (self.seq is not None)
                         or self.header_frames != len(self.frames))
        return {"kind": "ani", "frames": [samples for _, samples in self.frames], "intent": intent,
                "wine_reference": contradiction or any(f is None or t is None for f, t in intent),
                "wine_reads_past_rate": any(t is None for _, t in intent)}


def corpus():
    """(name, Ani or bytes-with-manifest) for every case."""
    cases = {}

    def add(name, ani=None, **changes):
        ani = ani or Ani()
        for key, value in changes.items():
            setattr(ani, key, value)
        cases[name] = ani

    # Plain files, flags and sequences.
    add("plain3")
    add("plain2", Ani(frames=2))
    add("plain5_rates", Ani(frames=5, rates=[6, 12, 18, 24, 30]))
    add("odd_jiffies", Ani(rates=[7, 1, 13]))
    add("no_seq_flag1", Ani(flags=1, seq=None))
    add("no_seq_flag1_rates", Ani(flags=1, seq=None, rates=[3, 9, 30]))
    add("flags0", Ani(flags=0, seq=None))
    add("flags2", Ani(flags=2, seq=None))
    add("flags0_seq", Ani(flags=0))
    add("flags2_seq", Ani(flags=2, seq=[2, 1, 0]))
    add("flag1_identity_seq", Ani(flags=1))
    add("flag1_reordering_seq", Ani(flags=1, seq=[2, 0, 1]))
    add("flag1_longer_seq", Ani(flags=1, steps=5, seq=[0, 1, 2, 1, 0]))
    add("flag1_longer_seq_rates", Ani(flags=1, steps=5, seq=[0, 1, 2, 1, 0], rates=[6, 6, 6, 6, 6]))
    add("flag3_no_seq", Ani(flags=3, seq=None))
    add("flag3_no_seq_more_steps", Ani(flags=3, seq=None, steps=5, rates=[6, 12, 18, 24, 30]))
    add("flag7", Ani(flags=7))
    add("seq_reordered", Ani(seq=[2, 0, 1]))
    add("seq_starts_1", Ani(seq=[1, 2, 0], rates=[6, 12, 18]))
    add("seq_repeat_rates", Ani(frames=2, steps=4, seq=[0, 1, 0, 1], rates=[6, 12, 18, 24]))
    add("seq_repeat_same_rate", Ani(frames=2, steps=4, seq=[0, 1, 0, 1]))
    add("seq_repeat_later_frame", Ani(frames=3, steps=4, seq=[0, 1, 2, 1], rates=[6, 12, 18, 24]))
    add("seq_one_frame", Ani(frames=1, steps=3, seq=[0, 0, 0], rates=[6, 12, 18]))
    add("seq_one_frame_of_two", Ani(frames=2, steps=3, seq=[1, 1, 1]))
    add("seq_1_3", Ani(frames=3, steps=2, seq=[0, 2], rates=[6, 6]))
    add("seq_descending", Ani(frames=4, seq=[3, 2, 1, 0]))
    add("seq_fewer_steps_ascending", Ani(frames=4, steps=2, seq=[0, 1]))
    add("seq_skip_ascending", Ani(frames=4, steps=2, seq=[1, 3]))
    add("seq_beyond_last", Ani(seq=[0, 1, 3]))
    add("seq_beyond_first", Ani(seq=[5, 1, 2]))
    add("seq_beyond_middle", Ani(frames=3, steps=4, seq=[0, 7, 1, 2], rates=[6, 6, 6, 6]))
    add("seq_short", Ani(steps=4, seq=[0, 1, 2], rates=[6, 6, 6, 6]))
    add("seq_long", Ani(steps=3, seq=[0, 1, 2, 1]))
    add("seq_long_reordered", Ani(steps=3, seq=[2, 1, 0, 1]))
    add("steps_fewer_no_seq", Ani(flags=1, seq=None, steps=2))
    add("steps_more_no_seq", Ani(flags=1, seq=None, steps=4))
    add("steps_one", Ani(flags=1, seq=None, steps=1, frames=3))
    add("steps_zero", Ani(flags=1, seq=None, steps=0))
    add("frames_one", Ani(frames=1, flags=1, seq=None))

    # Rates.
    add("rate_short", Ani(rates=[6, 12]))
    add("rate_long", Ani(rates=[6, 12, 18, 24]))
    add("rate_zero_entry", Ani(rates=[6, 0, 18]))
    add("rate_all_zero", Ani(rates=[0, 0, 0]))
    add("default_rate_zero", Ani(rate=0))
    add("default_rate_big", Ani(rate=600))
    odd_rate = Ani(rates=[6, 12, 18])
    odd_rate.order = ["anih", "oddrate", "seq ", "fram"]
    odd_rate.extra = {"oddrate": chunk(b"rate", u32(6) + u32(12) + u32(18) + b"\x05")}
    add("rate_odd_length", odd_rate)
    odd_rate_nopad = Ani(rates=[6, 12, 18])
    odd_rate_nopad.order = ["anih", "oddrate", "seq ", "fram"]
    odd_rate_nopad.extra = {"oddrate": chunk(b"rate", u32(6) + u32(12) + u32(18) + b"\x05", pad=False)}
    add("rate_odd_length_no_pad", odd_rate_nopad)

    # The anih chunk.
    for size in (0, 32, 40, 100):
        add("anih_size_field_%d" % size, header_size=size)
    add("anih_chunk_40", Ani(), header_chunk=Ani().anih() + u32(0))
    add("anih_chunk_32", Ani(), header_chunk=Ani().anih()[:32], wine_ref=True)
    add("anih_chunk_44", Ani(), header_chunk=Ani().anih() + u32(0) * 2)
    add("frames_more_than_icons", Ani(), header_frames=4)
    add("frames_more_than_icons_no_seq", Ani(flags=1, seq=None), header_frames=4)
    add("frames_fewer_than_icons", Ani(), header_frames=2, steps=2, seq=[0, 1])
    add("frames_fewer_than_icons_no_seq", Ani(flags=1, seq=None), header_frames=2, steps=2)
    add("frames_zero", Ani(), header_frames=0)
    add("frames_more_than_icons_reordered", Ani(seq=[2, 1, 0]), header_frames=4)
    add("frames_fewer_than_icons_reordered", Ani(seq=[1, 0]), header_frames=2, steps=2)

    # Chunk order and foreign chunks.
    info = chunk(b"LIST", b"INFO" + chunk(b"INAM", b"name\0") + chunk(b"IART", b"me\0"))
    for name, order in [("anih_last", ["rate", "seq ", "fram", "anih"]),
                        ("fram_first", ["fram", "anih", "rate", "seq "]),
                        ("rate_before_anih", ["rate", "anih", "seq ", "fram"]),
                        ("seq_before_anih", ["seq ", "anih", "rate", "fram"]),
                        ("seq_after_fram", ["anih", "rate", "fram", "seq "]),
                        ("rate_after_fram", ["anih", "seq ", "fram", "rate"]),
                        ("info_first", ["info", "anih", "rate", "seq ", "fram"]),
                        ("info_after_anih", ["anih", "info", "rate", "seq ", "fram"]),
                        ("info_last", ["anih", "rate", "seq ", "fram", "info"]),
                        ("foreign_first", ["junk", "anih", "rate", "seq ", "fram"]),
                        ("foreign_middle", ["anih", "junk", "rate", "seq ", "fram"]),
                        ("foreign_last", ["anih", "rate", "seq ", "fram", "junk"])]:
        ani = Ani(rates=[6, 12, 18])
        ani.order = order
        ani.extra = {"info": info, "junk": chunk(b"abcd", b"12345678")}
        add(name, ani)
    two = Ani(rates=[6, 12, 18])
    two.order = ["anih", "anih2", "rate", "seq ", "fram"]
    two.extra = {"anih2": chunk(b"anih", Ani(frames=2).anih())}
    add("two_anih", two, wine_ref=True)
    two = Ani(seq=[2, 1, 0])
    two.order = ["anih", "seq ", "seq2", "fram"]
    two.extra = {"seq2": chunk(b"seq ", u32(0) + u32(1) + u32(2))}
    add("two_seq", two, wine_ref=True)
    two = Ani(rates=[6, 12, 18])
    two.order = ["anih", "rate", "rate2", "seq ", "fram"]
    two.extra = {"rate2": chunk(b"rate", u32(30) + u32(30) + u32(30))}
    add("two_rate", two, wine_ref=True)
    two = Ani()
    two.order = ["anih", "seq ", "fram", "fram2"]
    two.extra = {"fram2": chunk(b"LIST", b"fram" + chunk(b"icon", cursor("bgra", 9)[0]))}
    add("two_frame_lists", two, wine_ref=True)
    outside = Ani(frames=3)
    outside.order = ["anih", "seq ", "icon", "fram"]
    outside.extra = {"icon": chunk(b"icon", cursor("bgra", 9)[0])}
    add("icon_outside_list", outside, wine_ref=True)
    add("foreign_in_frame_list", Ani(), frame_list_extra=[(1, chunk(b"abcd", b"1234"))])
    add("list_in_frame_list", Ani(), frame_list_extra=[(1, chunk(b"LIST", b"INFO" + chunk(b"INAM", b"x\0")))])
    add("foreign_end_of_frame_list", Ani(), frame_list_extra=[(3, chunk(b"abcd", b"1234"))])
    add("foreign_first_in_frame_list", Ani(), frame_list_extra=[(0, chunk(b"abcd", b"1234"))])
    empty = Ani(frames=3)
    empty.frames = []
    add("empty_frame_list", empty)

    # Odd chunks and pads.
    def odd_frames(ani, which):
        for i in which:
            data, samples = ani.frames[i]
            ani.frames[i] = (data + b"\x07", samples)
        return ani
    add("odd_last_frame", odd_frames(Ani(), [2]))
    add("odd_last_frame_no_pad", odd_frames(Ani(), [2]), pad_frames=False)
    add("odd_middle_frame", odd_frames(Ani(), [1]))
    add("odd_first_frame_no_pad", odd_frames(Ani(frames=4, rates=[6, 12, 18, 24]), [0]), pad_frames=False)
    add("odd_middle_frame_no_pad", odd_frames(Ani(), [1]), pad_frames=False)
    add("odd_frames_no_pad_flag1", odd_frames(Ani(flags=1, seq=None), [0]), pad_frames=False)
    odd = Ani()
    odd.order = ["anih", "junk", "seq ", "fram"]
    odd.extra = {"junk": chunk(b"abcd", b"123")}
    add("odd_foreign_chunk", odd)
    odd = Ani()
    odd.order = ["anih", "junk", "seq ", "fram"]
    odd.extra = {"junk": chunk(b"abcd", b"123", pad=False)}
    add("odd_foreign_chunk_no_pad", odd)
    odd = Ani()
    odd.order = ["anih", "seq ", "fram", "junk"]
    odd.extra = {"junk": chunk(b"abcd", b"123")}
    add("odd_chunk_last_riff_pad", odd)
    odd = odd_frames(Ani(), [2])
    odd.order = ["anih", "seq ", "fram", "junk"]
    odd.extra = {"junk": chunk(b"abcd", b"12")}
    add("odd_frame_then_chunk", odd)

    # Sizes, cut files, trailing bytes.
    length = len(Ani().build())
    add("riff_size_0", riff_size=0, wine_ref=True)
    add("riff_size_ffffffff", riff_size=0xFFFFFFFF)
    add("riff_size_plus_8", riff_size=length - 8 + 8)
    add("riff_size_minus_8", riff_size=length - 8 - 8, wine_ref=True)
    add("riff_size_half", riff_size=(length - 8) // 2, wine_ref=True)
    add("riff_size_odd_plus_1", riff_size=length - 8 + 1)
    add("riff_size_4", riff_size=4, wine_ref=True)
    for size in (44, 48, 52, 100, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFC, 0xFFFFFFFE):
        add("riff_size_%x" % size, riff_size=size, wine_ref=size < length - 8)
    add("riff_size_plus_5000", riff_size=length - 8 + 5000)
    add("cut_in_last_frame", cut=3000)
    add("cut_end_mask", cut=64)
    add("cut_before_frames", cut=length - 88)
    add("cut_in_list_header", cut=length - 60)
    add("cut_in_anih", Ani(), cut=length - 30)
    for kept in (20, 44, 60, 80, 92, 100, 112, 130, 2000, 4390, 4402, 4420, 6000, 8690, 8720, 10000):
        add("cut_to_%d" % kept, Ani(rates=[6, 12, 18]), cut=len(Ani(rates=[6, 12, 18]).build()) - kept)
    add("trailing_zeros", trailing=bytes(16))
    add("trailing_garbage", trailing=b"garbage!\x01\x02\x03")
    add("trailing_chunk", trailing=chunk(b"LIST", b"fram" + chunk(b"icon", cursor("bgra", 9)[0])))
    add("trailing_anih", trailing=chunk(b"anih", Ani(frames=2).anih()))
    add("trailing_one_byte", trailing=b"\0")

    # Frame kinds and sizes.
    add("mono_frames", Ani(kind="mono"))
    add("pal8_frames", Ani(kind="pal8"))
    add("png_frames", Ani(kind="png"))
    add("png_one_frame", Ani(kind=["bgra", "png", "bgra"]))
    add("mono_one_frame", Ani(kind=["bgra", "mono", "bgra"]))
    add("monopal_frames", Ani(kind="monopal"))
    add("pal4_frames", Ani(kind="pal4"))
    add("rgb24_frames", Ani(kind="rgb24"))
    small_first = Ani(frames=3)
    small_first.frames = [(icon_file([(image("bgra", i, 16)[0], 16), (image("bgra", i)[0], 32)]), image("bgra", i)[1])
                          for i in range(3)]
    add("frames_small_image_first", small_first)
    big = Ani()
    big.frames = [cursor("bgra", i, 48) for i in range(3)]
    add("frames_48", big)
    mixed = Ani()
    mixed.frames = [cursor("bgra", 0, 32), cursor("bgra", 1, 48), cursor("bgra", 2, 16)]
    add("frames_mixed_sizes", mixed)
    for size in (16, 64):
        sized = Ani()
        sized.frames = [cursor("bgra", i, size) for i in range(3)]
        add("frames_%d" % size, sized)
    add("anih_size_64", header_picture=(64, 64, 32, 1))
    add("anih_size_16", header_picture=(16, 16, 8, 1))
    add("anih_fields_garbage", header_picture=(0xFFFF, 3, 0, 0))
    many = Ani(frames=3)
    many.frames = [(icon_file([(image("bgra", i)[0], 32), (image("bgra", i, 16)[0], 16)]), image("bgra", i)[1])
                   for i in range(3)]
    add("frames_two_images", many)
    add("many_steps", Ani(frames=2, steps=40, seq=[i % 2 for i in range(40)], rates=[3] * 40))
    add("steps_1024", Ani(frames=2, steps=1024, seq=[i % 2 for i in range(1024)]))
    add("frames_1024_declared", Ani(), header_frames=1024)

    # Directory entries that lie about their image.
    for name, change in [("entry_size_big", lambda e: e[:8] + u32(struct.unpack("<I", e[8:12])[0] + 1000) + e[12:]),
                         ("entry_size_small", lambda e: e[:8] + u32(100) + e[12:]),
                         ("entry_offset_far", lambda e: e[:12] + u32(100000)),
                         ("entry_offset_inside", lambda e: e[:12] + u32(60))]:
        lying = Ani()
        data, samples = lying.frames[1]
        lying.frames[1] = (data[:6] + change(data[6:22]) + data[22:], samples)
        add(name, lying)

    # Frames stored as icons, not cursors.
    icons = Ani()
    icons.frames = [cursor("bgra", i, resource_type=1) for i in range(3)]
    add("icon_frames", icons)
    return cases


def static_cases():
    """Icons and cursors: (name, bytes, the samples of each stored picture)."""
    bgra = [image("bgra", 0)[0], image("bgra", 1, 16)[0]]
    one, two = [hexcolour(colour(0))] * 8, [hexcolour(colour(1))] * 8
    out = [("plain.cur", icon_file([(bgra[0], 32)])),
           ("plain.ico", icon_file([(bgra[0], 32)], resource_type=1)),
           ("two_sizes.ico", icon_file([(bgra[0], 32), (bgra[1], 16)], resource_type=1)),
           ("png.ico", icon_file([(png(32, 32, colour(0)), 32)], resource_type=1)),
           ("png.cur", icon_file([(png(32, 32, colour(0)), 32)])),
           ("png_and_bmp.ico", icon_file([(bgra[1], 16), (png(32, 32, colour(0)), 32)], resource_type=1)),
           ("mono.cur", icon_file([(image("mono", 4)[0], 32)])),
           ("monopal.cur", icon_file([(image("monopal", 4)[0], 32)])),
           ("rgb24.ico", icon_file([(image("rgb24", 0)[0], 32)], resource_type=1)),
           ("no_images.ico", icon_file([], resource_type=1)),
           ("no_images.cur", icon_file([])),
           ("cut.cur", icon_file([(bgra[0], 32)], cut=3000)),
           ("cut_header.cur", icon_file([(bgra[0], 32)], cut=4200)),
           ("cut_mask.ico", icon_file([(bgra[0], 32)], resource_type=1, cut=40))]
    pictures = {"two_sizes.ico": [one, two], "png_and_bmp.ico": [two, one], "mono.cur": [image("mono", 4)[1]],
                "monopal.cur": [image("monopal", 4)[1]],
                "no_images.ico": [], "no_images.cur": []}
    return [(name, data, pictures.get(name, [one])) for name, data in out]


def main():
    folder = sys.argv[1]
    kurzory = sys.argv[2] if len(sys.argv) > 2 else None
    os.makedirs(folder, exist_ok=True)
    manifest = {}
    for name, ani in corpus().items():
        with open(os.path.join(folder, name + ".ani"), "wb") as out:
            out.write(ani.build())
        manifest[name + ".ani"] = ani.manifest()
    for name, data, pictures in static_cases():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
        manifest[name] = {"kind": name[-3:], "frames": pictures}
    if kurzory:
        frames = []
        for i, kind in enumerate(["bgra", "bgra", "bgra", "png", "mono"]):
            path = os.path.join(folder, "frame%d.cur" % i)
            with open(path, "wb") as out:
                out.write(cursor(kind, i)[0])
            frames.append((path, image(kind, i)[1]))
        for name, picks, options, intent in [
                ("written_plain", [0, 1, 2], [], [[0, 60], [1, 60], [2, 60]]),
                ("written_seq_1_3", [0, 1, 2], ["--sequence", "1,3"], [[0, 60], [2, 60]]),
                ("written_seq_repeat", [0, 1], ["--sequence", "1,2,1,2", "--times", ".1,.2,.3,.4"],
                 [[0, 6], [1, 12], [0, 18], [1, 24]]),
                ("written_seq_2_1", [0, 1, 2], ["--sequence", "2,1,3", "--times", ".05"], [[1, 3], [0, 3], [2, 3]]),
                ("written_png", [0, 3], [], [[0, 60], [1, 60]]),
                ("written_mono", [4, 1], ["--times", ".5"], [[0, 30], [1, 30]])]:
            path = os.path.join(folder, name + ".ani")
            subprocess.run([kurzory, "ani", "-o", path] + options + [frames[i][0] for i in picks], check=True)
            manifest[name + ".ani"] = {"kind": "ani", "frames": [frames[i][1] for i in picks], "intent": intent,
                                       "wine_reference": False, "wine_reads_past_rate": False}
        for path, _ in frames:
            os.remove(path)
    with open(os.path.join(folder, "manifest.json"), "w") as out:
        json.dump(manifest, out, indent=1)


if __name__ == "__main__":
    main()
