#!/usr/bin/env python3
"""Compares the exported name_ symbols of the shared library with the
routines the public header declares: none missing, none undeclared."""
import re
import subprocess
import sys

lib, header = sys.argv[1], sys.argv[2]
out = subprocess.run(["nm", "-D", "--defined-only", lib], check=True,
                     capture_output=True, text=True).stdout
exported = {line.split()[-1] for line in out.splitlines()
            if re.search(r" [TW] [a-z][a-z0-9]*_$", line)}
declared = set(re.findall(r"\b([a-z][a-z0-9]*_)\(", open(header).read()))
missing = sorted(declared - exported)
extra = sorted(exported - declared)
if missing:
    print("declared but not exported:", " ".join(missing))
if extra:
    print("exported but not declared:", " ".join(extra))
print(f"{len(declared)} routines declared, {len(exported)} exported")
sys.exit(1 if missing or extra else 0)
