#!/usr/bin/env python3
"""Writes the demo game folder's extra track sets (demo/gpl/seasons/*.67s) and the track
folders they name. The tracks are invented: names are made from syllables, so the demo
carries no data of the real game. Files use CR LF line ends, as the game's own do.

    tools/make_demo_tracksets.py        # run from anywhere; rewrites the same files

Sets written:
  Database 300.67s  300 events, one per track: the database for the vi67r editor's Add list
  Club season.67s   14 events mixing the 1967 tracks and invented ones
  Long season.67s   70 events: more than a season holds, so installing it is refused
  No count.67s      events but no numEvents: installing it is refused
Most invented tracks get a folder under tracks\\ (every seventh does not), so the editor
and the last-track lists can be seen leaving uninstalled tracks out.
"""
import os
import random

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "demo", "gpl")
SEASONS = os.path.join(ROOT, "seasons")
TRACKS = os.path.join(ROOT, "tracks")

CLASSIC = [  # (trackDirectory, short name, name) of the 1967 calendar in the demo
    ("monaco", "Monaco", "Monaco Grand Prix"),
    ("zandvort", "Zandvoort", "Dutch Grand Prix"),
    ("spa", "Spa", "Belgian Grand Prix"),
    ("rouen", "Rouen", "French Grand Prix"),
    ("silver", "Silverstone", "British Grand Prix"),
    ("nurburg", "Nurburgring", "German Grand Prix"),
    ("mosport", "Mosport", "Canadian Grand Prix"),
    ("monza", "Monza", "Italian Grand Prix"),
    ("watglen", "Watkins Glen", "United States Grand Prix"),
    ("mexico", "Mexico", "Mexican Grand Prix"),
    ("kyalami", "Kyalami", "South African Grand Prix"),
]

SYLLABLES = ["bra", "ken", "lo", "mar", "vel", "ton", "ri", "sa", "dor", "gal", "pe", "nu",
             "kir", "ha", "zel", "qua", "fi", "ost", "lan", "bu", "cor", "ema", "tra", "vik"]
REGIONS = ["Northern", "Southern", "Coastal", "Alpine", "Valley", "Lakeside", "Forest",
           "Desert", "Highland", "Harbour"]


def invented_tracks(count):
    rng = random.Random(1967)
    seen = {t[0] for t in CLASSIC}
    tracks = []
    while len(tracks) < count:
        word = "".join(rng.choice(SYLLABLES) for _ in range(rng.choice((2, 3))))
        directory = word[:8]
        if directory in seen:
            continue
        seen.add(directory)
        short = word.capitalize() + (" Ring" if rng.random() < 0.3 else "")
        name = f"{rng.choice(REGIONS)} {word.capitalize()} Grand Prix"
        tracks.append((directory, short, name))
    return tracks


def event_lines(n, track, rng):
    directory, short, name = track
    return [f"[Event{n}]", f"name={name}", f"shortname={short}", f"trackDirectory={directory}",
            f"month={rng.randint(3, 10)}", f"day={rng.randint(1, 28)}",
            f"numberOfLaps={rng.randint(20, 100)}", f"startingGrid={rng.randint(12, 20)}", ""]


def schedule(tracks, seed, count=True):
    rng = random.Random(seed)
    lines = ["[Season]"] + ([f"numEvents={len(tracks)}"] if count else []) + [""]
    for n, track in enumerate(tracks, 1):
        lines += event_lines(n, track, rng)
    return "\r\n".join(lines[:-1]) + "\r\n"


def write(path, text):
    with open(path, "wb") as f:
        f.write(text.encode("ascii"))


def main():
    invented = invented_tracks(289)
    database = CLASSIC + invented  # 300 tracks
    write(os.path.join(SEASONS, "Database 300.67s"), schedule(database, 300))
    write(os.path.join(SEASONS, "Club season.67s"),
          schedule(CLASSIC[:6] + invented[:8], 14))
    write(os.path.join(SEASONS, "Long season.67s"), schedule(invented[100:170], 70))
    write(os.path.join(SEASONS, "No count.67s"), schedule(CLASSIC[6:], 4, count=False))
    for i, (directory, _, name) in enumerate(invented):
        if i % 7 == 6:
            continue
        folder = os.path.join(TRACKS, directory)
        os.makedirs(folder, exist_ok=True)
        write(os.path.join(folder, "track.ini"), f"[ Track ]\r\nname = {name}\r\n")


if __name__ == "__main__":
    main()
