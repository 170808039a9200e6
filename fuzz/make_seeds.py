#!/usr/bin/env python3
"""Writes the seed corpora under fuzz/corpus/ from the shipped levels:
the levels themselves and damaged variants of them, and configuration
files. Run again after the shipped levels change; the output is kept in
the repository."""
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent
LEVELS = ROOT.parent / "data" / "levels"
CORPUS = ROOT / "corpus"


def put(target, name, data):
    d = CORPUS / target
    d.mkdir(parents=True, exist_ok=True)
    (d / name).write_bytes(data)


def level_variants(name, data):
    lines = data.split(b"\r\n")
    if lines and lines[-1] == b"":
        lines.pop()
    yield name, data
    yield name + "-lf", b"\n".join(lines) + b"\n"
    yield name + "-cr", b"\r".join(lines)  # lone CR ends, none after the last
    yield name + "-truncated", data[: len(data) * 2 // 3]
    yield name + "-26lines", b"\r\n".join(lines[:26]) + b"\r\n"
    short = list(lines)
    short[5] = short[5][:37]
    yield name + "-shortrow", b"\r\n".join(short) + b"\r\n"
    letters = list(lines)
    letters[3] = letters[3][:10] + b"x1" + letters[3][12:]
    yield name + "-letters", b"\r\n".join(letters) + b"\r\n"
    unknown = list(lines)
    unknown[7] = unknown[7][:20] + b"15" + unknown[7][22:]
    yield name + "-unknowncode", b"\r\n".join(unknown) + b"\r\n"
    outside = list(lines)
    outside[22] = b"3322"
    yield name + "-outside", b"\r\n".join(outside) + b"\r\n"
    devils = list(lines)
    devils[23] = b"".join(b"%02d%02d" % (1 + k % 30, 1 + k % 20) for k in range(400)) + b"12"
    yield name + "-hugedevils", b"\r\n".join(devils) + b"\r\n"
    nodevil = list(lines)
    nodevil[23] = b""
    yield name + "-nodevils", b"\r\n".join(nodevil) + b"\r\n"
    same = list(lines)
    same[24] = same[22]
    yield name + "-manondoor", b"\r\n".join(same) + b"\r\n"
    if len(lines) > 26:
        yield name + "-objects-only", b"\r\n".join(lines[22:]) + b"\r\n"


def damaged_level(name, data):
    """Variants of one level for the faults the game once let through."""
    lines = data.split(b"\r\n")
    if lines and lines[-1] == b"":
        lines.pop()
    wall = list(lines)
    wall[22] = b"0000"
    wall[23] = b"00003100" + b"0021" + b"3121"
    yield name + "-manonwall", b"\r\n".join(wall) + b"\r\n"
    nul = list(lines)
    nul[1] = nul[1][:4] + b"\x000" + nul[1][6:]
    yield name + "-nul", b"\r\n".join(nul) + b"\r\n"
    yield name + "-bom", b"\xef\xbb\xbf" + data
    long = list(lines)
    long[4] = long[4] + b"9" * 300
    yield name + "-extralines", b"\r\n".join(long) + b"\r\n" + b"0123456789\r\n" * 300


def main():
    shipped = sorted(p for p in LEVELS.glob("level*") if p.is_file() and p.suffix == "")
    for p in shipped:
        data = p.read_bytes()
        for n, v in level_variants(p.name, data):
            put("game_level", n, v)
            put("editor_level", n, v)
    if shipped:
        for n, v in damaged_level(shipped[0].name, shipped[0].read_bytes()):
            put("game_level", n, v)
            put("editor_level", n, v)
    put("game_level", "empty", b"")
    put("editor_level", "empty", b"")

    configs = {
        "default": b"1\r\n100\r\n1\r\n" + b"\r\n" * 8,
        "slow-silent": b"7\r\n0\r\n0\r\n" + b"\r\n" * 8,
        "three-lines-lf": b"3\n55\n1\n",
        "no-end": b"1\r\n42\r\n1",
        "lone-cr": b"12\r250\r1\r\r\r",
        "negative": b"1\r\n-40\r\n1\r\n",
        "huge": b"1\r\n99999999999999999999\r\n1\r\n",
        "spaces": b"1\r\n  64 \r\n1 \r\n",
        "letters": b"1\r\nfast\r\nyes\r\n",
        "one-line": b"5\r\n",
        "empty": b"",
        "extra-lines": b"1\r\n100\r\n1\r\nkeep\r\nthese\r\n\r\nlines\r\n",
        "utf8": "1\r\n80\r\n1\r\nуровень\r\n".encode("utf-8"),
        "latin1": b"1\r\n80\r\n1\r\n\xe9t\xe9\r\n",
        "hex": b"1\r\n0x40\r\n1\r\n",
        "plus": b"1\r\n+50\r\n0\r\n",
    }
    for n, v in configs.items():
        put("config", n, v)
        put("text_lines", "cfg-" + n, v)
    texts = {
        "crlf-mix": b"a\r\nb\nc\rd\r\n\r\n",
        "only-ends": b"\r\n\n\r\r\n\n",
        "nul": b"a\x00b\r\n\x00\r\n",
        "bad-utf8": b"\xff\xfe\r\n\xc3\r\n\xe2\x82\r\n",
        "bom": b"\xef\xbb\xbf1\r\n100\r\n",
        "cp1251": "1\r\n100\r\n1\r\nуровень\r\n".encode("cp1251"),
        "not-utf8-forms": b"\xc0\x80 \xed\xa0\x80 \xf4\x90\x80\x80 \xf0\x9f\x98\x80\r\n",
        "noise-4k": bytes((i * 1103515245 + 12345) >> 16 & 0xFF for i in range(4096)),
    }
    for n, v in texts.items():
        put("text_lines", n, v)
    if shipped:
        put("text_lines", shipped[0].name, shipped[0].read_bytes())


if __name__ == "__main__":
    main()
