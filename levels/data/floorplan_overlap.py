#!/usr/bin/env python3
"""Compares the floor plans of the shipped levels, so that no level repeats another.

A level's floor plan is the set of its open squares: everything that is not a
wall, a lamp, a pillar or a gear (doors count as open, they are passages).
Two levels are compared by the Jaccard index of their floor plans: the
squares open in both divided by the squares open in either.

- "same": the index as the two boards lie. At THRESHOLD (0.5) or above, the
  two levels share most of their floor plan.
- "moved": the best index over every shift of up to SHIFT squares in each
  direction and the four mirror images, so that a copied layout cannot hide
  by moving or flipping. Two small rooms of a similar size always overlap a
  little once moved onto each other, so this one may reach MOVED_THRESHOLD
  (0.7) before a pair counts as a copy.

    levels/data/floorplan_overlap.py             # pairs over either threshold
    levels/data/floorplan_overlap.py --top 20    # the 20 closest pairs
    levels/data/floorplan_overlap.py FILE...     # other world sources

Exits with 1 when a pair reaches a threshold: then one of the two levels
needs a layout of its own.
"""
import glob
import os
import sys

THRESHOLD = 0.5
MOVED_THRESHOLD = 0.7
SHIFT = 2
OPEN = set('.o~fcCsSpX@uvwyZklmnqKLMNQ')
COLS, ROWS = 20, 15


def read_levels(paths):
    levels = []
    for path in paths:
        lines = [line.strip() for line in open(path, encoding='utf-8')]
        world = os.path.basename(path)
        number = 0
        for i, line in enumerate(lines):
            if line.startswith('level'):
                number += 1
                rows = lines[i + 2:i + 2 + ROWS]
                plan = {(c, r) for r, row in enumerate(rows) for c, ch in enumerate(row) if ch in OPEN}
                levels.append(('%s %d %s' % (world, number, line[5:].strip()), plan))
    return levels


def mirrors(plan):
    yield plan
    yield {(COLS - 1 - c, r) for c, r in plan}
    yield {(c, ROWS - 1 - r) for c, r in plan}
    yield {(COLS - 1 - c, ROWS - 1 - r) for c, r in plan}


# A plan as one integer, a bit per square in rows of WIDTH bits; the margin
# of SHIFT empty bits on every side lets a shift by bits stay inside its row.
WIDTH = COLS + 2 * SHIFT


def bits(plan):
    return sum(1 << ((r + SHIFT) * WIDTH + c + SHIFT) for c, r in plan)


def variants(plan):
    """Every mirror image of a plan at every shift, as bit sets."""
    found = []
    for m in mirrors(plan):
        b = bits(m)
        for dx in range(-SHIFT, SHIFT + 1):
            for dy in range(-SHIFT, SHIFT + 1):
                step = dy * WIDTH + dx
                found.append(b << step if step >= 0 else b >> -step)
    return found


def overlap(a, b_variants):
    return max((a & b).bit_count() / (a | b).bit_count() for b in b_variants)


def too_close(same, moved):
    return same >= THRESHOLD or moved >= MOVED_THRESHOLD


def main(args):
    top = 0
    if '--top' in args:
        k = args.index('--top')
        top, args = int(args[k + 1]), args[:k] + args[k + 2:]
    here = os.path.dirname(os.path.abspath(__file__))
    paths = args or sorted(glob.glob(os.path.join(here, 'world*.txt')))
    levels = read_levels(paths)
    plans = [bits(plan) for _, plan in levels]
    shifted = [variants(plan) for _, plan in levels]
    pairs = []
    for i in range(len(levels)):
        for j in range(i + 1, len(levels)):
            same = overlap(plans[i], [plans[j]])
            pairs.append((overlap(plans[i], shifted[j]), same, levels[i][0], levels[j][0]))
    pairs.sort(reverse=True)
    shown = pairs[:top] if top else [p for p in pairs if too_close(p[1], p[0])]
    for moved, same, a, b in shown:
        print('same %.2f moved %.2f  %s  <->  %s' % (same, moved, a, b))
    close = sum(1 for p in pairs if too_close(p[1], p[0]))
    print('%d levels, %d pairs too close (same >= %.2f or moved >= %.2f)' %
          (len(levels), close, THRESHOLD, MOVED_THRESHOLD))
    return 1 if close else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
