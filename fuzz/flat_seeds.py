#!/usr/bin/env python3
"""flat_seeds.py OUTDIR FILE...

Writes each readable example (UTF-8 "key = value" lines, '#' comments) as
a flat text in code page 1252 (key 0x02 value 0x01 ...) to OUTDIR under
the example's name; a file already in flat-text form (.flat) is copied as
it is. The flat-text fuzz targets start from these seeds."""
import pathlib
import sys


def flat_text(readable):
    entries = []
    for line in readable.splitlines():
        line = line.strip()
        if not line or line.startswith("#") or "=" not in line:
            continue
        key, value = line.split("=", 1)
        entries.append(f"{key.strip()}\x02{value.strip()}\x01")
    return "".join(entries).encode("cp1252", errors="replace")


def main():
    out = pathlib.Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for name in sys.argv[2:]:
        source = pathlib.Path(name)
        data = source.read_bytes()
        if source.suffix != ".flat":
            data = flat_text(data.decode("utf-8"))
        (out / source.name).write_bytes(data)


if __name__ == "__main__":
    main()
