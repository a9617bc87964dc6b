#!/usr/bin/env python3
"""Every public routine body is a function-try-block closed by ZANTOR_CATCH
(or ZANTOR_CATCH_RETURN for functions), so no exception reaches the calling
program.  Prints each routine that lacks the guard; exit status 1 if any."""
import pathlib
import re
import sys

src = pathlib.Path(sys.argv[1])
routine = re.compile(r'ZANTOR_API\s+(\w+)\s+(\w+_)\s*\(')
missing = []
for path in sorted(src.rglob('*.cpp')):
    text = path.read_text()
    for m in routine.finditer(text):
        depth, i = 0, m.end() - 1
        while True:  # end of the parameter list
            depth += {'(': 1, ')': -1}.get(text[i], 0)
            if depth == 0:
                break
            i += 1
        rest = text[i + 1:].lstrip()
        if rest.startswith(';'):
            continue  # a declaration
        if not rest.startswith('try'):
            missing.append(f'{path.relative_to(src)}: {m.group(2)}')
for line in missing:
    print('not guarded:', line)
sys.exit(1 if missing else 0)
