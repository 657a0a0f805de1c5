#!/usr/bin/env python3
"""Prints every include loop among the sources under src/ and fails if it finds one.

Each file stands for its pair (X.h with X.cpp); a loop is a chain of includes that comes
back to where it started, such as A.cpp including B.h while B.cpp includes A.h.
"""
import collections
import os
import re
import sys

root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")
sources = {}
for folder, _, files in os.walk(root):
    for name in files:
        if name.endswith((".h", ".cpp")):
            with open(os.path.join(folder, name), encoding="utf-8", errors="ignore") as f:
                sources[os.path.join(folder, name)] = f.read()

by_name = {os.path.basename(path): path for path in sources}
unit = lambda path: os.path.relpath(os.path.splitext(path)[0], os.path.join(root, ".."))
graph = collections.defaultdict(set)
for path, text in sources.items():
    for included in re.findall(r'#include\s+"([^"]+)"', text):
        target = by_name.get(os.path.basename(included))
        if target and unit(target) != unit(path):
            graph[unit(path)].add(unit(target))

# Tarjan's strongly connected components: any component of more than one unit is a loop.
index, low, stack, on_stack, loops = {}, {}, [], set(), []
def visit(node):
    index[node] = low[node] = len(index)
    stack.append(node)
    on_stack.add(node)
    for nxt in sorted(graph[node]):
        if nxt not in index:
            visit(nxt)
            low[node] = min(low[node], low[nxt])
        elif nxt in on_stack:
            low[node] = min(low[node], index[nxt])
    if low[node] == index[node]:
        component = []
        while True:
            member = stack.pop()
            on_stack.discard(member)
            component.append(member)
            if member == node:
                break
        if len(component) > 1:
            loops.append(sorted(component))

sys.setrecursionlimit(10000)
for node in sorted(list(graph)):
    if node not in index:
        visit(node)
for loop in loops:
    print("include loop:", " <-> ".join(loop))
print(f"{len(loops)} include loops among {len(set(map(unit, sources)))} units")
sys.exit(1 if loops else 0)
