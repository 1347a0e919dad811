#!/usr/bin/env python3
"""Makes a benchmark payload: a seeded tree of nested folders holding files of random sizes and
random (incompressible) content, and the setup manifest that installs it.

The same name and seed always give the same tree, byte for byte. The manifest
(PictrvUnInst.log, CR LF lines) names the two programs every package must carry, one wildcard
line for the root's payload files, and for every folder, parents first, a "Make Dir:" line and
a "File Copy: folder\\*.*" line. The programs themselves (setup.exe, Pictrv6.exe,
PictrvUnInst.exe) are not written here; whoever builds the package puts them beside the tree.

    make_payload.py NAME DESTINATION [--seed N]
"""

import argparse
import os
import random
import sys
from dataclasses import dataclass

MIB = 1024 * 1024

# Payload files in the root share one extension, so one wildcard line installs them without
# also catching the programs and the manifest that sit beside them.
ROOT_PATTERN = "*.dat"
MANIFEST_NAME = "PictrvUnInst.log"
PROGRAM_LINES = ["File Copy: Pictrv6.exe", "File Copy: PictrvUnInst.exe"]


@dataclass(frozen=True)
class Shape:
    files: int
    total_bytes: int
    folders: int  # below the root
    max_depth: int


# "many" and "few" share the mean file size, so many/few is ten times the files and the bytes
# at the same file size; "big" has the files of "few" at a hundred times the size.
PAYLOADS = {
    "few": Shape(files=200, total_bytes=4 * MIB, folders=10, max_depth=3),
    "many": Shape(files=2000, total_bytes=40 * MIB, folders=100, max_depth=4),
    "big": Shape(files=200, total_bytes=400 * MIB, folders=10, max_depth=3),
}

DEFAULT_SEED = 6


@dataclass
class Payload:
    folders: list  # relative Windows paths, parents first
    files: list  # (relative Windows path, size)
    manifest: list  # lines without their CR LF

    @property
    def total_bytes(self):
        return sum(size for _, size in self.files)


def _folders(shape, rng):
    """Folder paths, each after its parent: every new folder hangs under the root or under an
    earlier folder that is not yet at the deepest level."""
    folders = []  # (path, depth)
    for index in range(shape.folders):
        parents = [("", 0)] + [f for f in folders if f[1] < shape.max_depth]
        parent, depth = rng.choice(parents)
        name = f"d{index:03d}"
        folders.append((parent + "\\" + name if parent else name, depth + 1))
    return [path for path, _ in folders]


def _sizes(shape, rng):
    """File sizes from a log-normal spread (many small files, a few large ones), scaled so
    that they add up to the shape's total exactly."""
    weights = [rng.lognormvariate(0.0, 1.0) for _ in range(shape.files)]
    scale = shape.total_bytes / sum(weights)
    sizes = [max(1, int(w * scale)) for w in weights]
    sizes[-1] += shape.total_bytes - sum(sizes)
    if sizes[-1] < 1:
        raise ValueError("file sizes do not add up to the total")
    return sizes


def plan(name, seed=DEFAULT_SEED):
    """The payload called name, drawn from seed: folders, files and manifest, nothing written."""
    shape = PAYLOADS[name]
    rng = random.Random(f"{seed}:{name}")
    folders = _folders(shape, rng)
    sizes = _sizes(shape, rng)
    # Every folder, the root included, holds at least one file; the rest fall at random.
    places = [""] + folders
    homes = places + [rng.choice(places) for _ in range(shape.files - len(places))]
    files = []
    for index, (home, size) in enumerate(zip(homes, sizes)):
        leaf = f"f{index:05d}.dat"
        files.append((home + "\\" + leaf if home else leaf, size))
    files.sort()

    manifest = PROGRAM_LINES + [f"File Copy: {ROOT_PATTERN}"]
    manifest += [f"Make Dir: {folder}" for folder in folders]
    manifest += [f"File Copy: {folder}\\*.*" for folder in folders]
    return Payload(folders=folders, files=files, manifest=manifest)


def write(payload, destination, seed=DEFAULT_SEED, name=""):
    """Writes the tree and its manifest under destination (made if missing). The content
    stream is seeded apart from the layout, so the bytes depend on seed and name only."""
    content = random.Random(f"{seed}:{name}:content")
    os.makedirs(destination, exist_ok=True)
    for folder in payload.folders:
        os.makedirs(os.path.join(destination, *folder.split("\\")), exist_ok=True)
    for path, size in payload.files:
        with open(os.path.join(destination, *path.split("\\")), "wb") as out:
            out.write(content.randbytes(size))
    with open(os.path.join(destination, MANIFEST_NAME), "wb") as out:
        out.write("".join(line + "\r\n" for line in payload.manifest).encode("ascii"))


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("name", choices=sorted(PAYLOADS))
    parser.add_argument("destination")
    parser.add_argument("--seed", type=int, default=DEFAULT_SEED)
    args = parser.parse_args(argv)
    payload = plan(args.name, args.seed)
    write(payload, args.destination, args.seed, args.name)
    print(f"{args.name}: {len(payload.files)} files, {len(payload.folders)} folders, "
          f"{payload.total_bytes / MIB:.1f} MiB in {args.destination}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
