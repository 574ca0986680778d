#!/usr/bin/env python3
"""Draws the launcher icon: a card standing behind a sword with a red tassel,
as a scalable SVG. Usage: make_icon.py OUT.svg (standard library only)."""
import sys

SIZE = 256


def sword():
    # Blade from the lower left to the upper right, guard and grip below it.
    return f"""
  <g transform="rotate(-45 {SIZE / 2} {SIZE / 2})">
    <path d="M122 28 L134 28 L134 168 L128 180 L122 168 Z" fill="#e8eef4" stroke="#5a6470" stroke-width="3"/>
    <line x1="128" y1="34" x2="128" y2="166" stroke="#a9b6c4" stroke-width="2"/>
    <rect x="100" y="176" width="56" height="12" rx="6" fill="#c9a227" stroke="#6b5210" stroke-width="3"/>
    <rect x="120" y="188" width="16" height="40" rx="4" fill="#3b2a5a" stroke="#1d1530" stroke-width="3"/>
    <circle cx="128" cy="234" r="7" fill="#c9a227" stroke="#6b5210" stroke-width="3"/>
    <path d="M128 240 Q118 252 122 262 M128 240 Q138 252 134 262" stroke="#c8263a" stroke-width="4" fill="none"/>
  </g>"""


def card():
    return """
  <rect x="58" y="40" width="140" height="184" rx="14" fill="#fbf6e9" stroke="#2d3a5c" stroke-width="6"/>
  <rect x="72" y="54" width="112" height="156" rx="8" fill="none" stroke="#c8263a" stroke-width="3"/>
  <text x="128" y="148" font-family="sans-serif" font-size="64" font-weight="bold" fill="#2d3a5c" text-anchor="middle">99</text>"""


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUT.svg")
    svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" viewBox="0 0 {SIZE} {SIZE}">'
           f'{card()}{sword()}\n</svg>\n')
    with open(sys.argv[1], "w", encoding="utf-8") as out:
        out.write(svg)


main()
