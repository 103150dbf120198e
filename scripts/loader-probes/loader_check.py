#!/usr/bin/env python3
"""Plays every corpus file in the real loaders and compares what they did with `kurzory info --json`.

Usage: loader_check.py CORPUS PROBES KURZORY [--show]
PROBES holds wine_probe.exe, pixbuf_probe and kde_probe. Each loader runs in a child process with
a time limit; a loader that dies or hangs "crashes". Prints the files where a verdict differs and
the agreement per loader; exits 1 below 100 %."""
import json
import os
import subprocess
import sys

LOADERS = ["wine", "gdk-pixbuf", "kde"]
TIME_LIMIT = 20


def parse_steps(text):
    """'steps N | t c c c ... | ...' -> [(time, samples)]."""
    parts = text.split("|")[1:]
    steps = []
    for part in parts:
        fields = part.split()
        steps.append((int(fields[0]), fields[1:]))
    return steps


def run_wine(corpus, probe, names):
    """Runs the Wine probe over the files, again from the next file after a crash."""
    results = {}
    pending = list(names)
    while pending:
        try:
            done = subprocess.run(["wine", probe] + pending, cwd=corpus, capture_output=True, text=True,
                                  timeout=TIME_LIMIT + 2 * len(pending), errors="replace")
            output = done.stdout
        except subprocess.TimeoutExpired as timeout:
            output = timeout.stdout.decode(errors="replace") if timeout.stdout else ""
        seen = 0
        for line in output.splitlines():
            if not line.startswith("FILE "):
                continue
            fields = line.split(" ", 2)
            rest = fields[2] if len(fields) > 2 else ""
            if rest.startswith("refuses"):
                results[fields[1]] = ("refuses", None)
            elif rest.startswith("steps"):
                results[fields[1]] = ("steps", [(jiffies * 1000 / 60, samples) for jiffies, samples in parse_steps(rest)])
            else:
                results[fields[1]] = ("crashes", None)
            seen += 1
        if seen == 0:
            results[pending[0]] = ("crashes", None)
            seen = 1
        pending = pending[seen:]
    return results


def run_child(command):
    try:
        done = subprocess.run(command, capture_output=True, text=True, timeout=TIME_LIMIT, errors="replace")
    except subprocess.TimeoutExpired:
        return ("crashes", None)
    if done.returncode != 0 or not done.stdout.strip():
        return ("crashes", None)
    line = done.stdout.strip().splitlines()[-1]
    if line.startswith("refuses"):
        return ("refuses", None)
    return ("steps", [(float(ms), samples) for ms, samples in parse_steps(line)])


def identify(samples, frames):
    """The stored frame these samples show, or -1 for another picture."""
    for index, expected in enumerate(frames):
        if samples == expected:
            return index
    return -1


def times_match(shown, intended):
    # Within 1.5 ms, or the loader's own rounding of jiffies down to whole milliseconds.
    return abs(shown - intended) <= 1.5 or int(shown) == int(intended)


def cycled(steps, length):
    return [steps[i % len(steps)] for i in range(length)] if steps else []


def plays(shown, reference, looping):
    """Whether the shown steps [(frame, ms)] play the reference [(frame, ms)]."""
    reference = [step for step in reference if step[1] is None or step[1] > 0]
    everything = shown
    shown = [step for step in shown if step[1] > 0]
    if not reference:
        return True
    frames = {frame for frame, _ in reference}
    if len(frames) == 1 and frames.pop() is not None:
        # One frame throughout cannot be played in the wrong order, nor at the wrong pace.
        seen = shown or everything
        return all(frame == reference[0][0] for frame, _ in seen) and bool(seen)
    if not shown:
        return False
    length = 2 * max(len(reference), len(shown)) if not looping else min(len(shown), 2 * len(reference) + 2)
    want = cycled(reference, length)
    got = cycled(shown, length)
    return all(g[0] == w[0] and (w[1] is None or times_match(g[1], w[1])) for g, w in zip(got, want))


def verdicts(entry, observed):
    """The verdict each loader earned by what it did with one file."""
    frames = entry.get("frames", [])
    out = {}
    steps = {}
    for loader in LOADERS:
        kind, shown = observed[loader]
        if kind != "steps":
            out[loader] = kind
            continue
        steps[loader] = [(identify(samples, frames), ms) for ms, samples in shown]
    if entry["kind"] != "ani":
        for loader, shown in steps.items():
            out[loader] = "plays" if shown and all(frame >= 0 for frame, _ in shown) else "misplays"
        return out
    reference = [(frame, None if time is None else time * 1000 / 60) for frame, time in entry["intent"]]
    if entry["wine_reference"] and "wine" in steps:
        wine = steps["wine"]
        wrong = entry["wine_reads_past_rate"] or any(frame < 0 for frame, _ in wine)
        out["wine"] = "misplays" if wrong else "plays"
        reference = [(frame if frame >= 0 else None, ms) for frame, ms in wine]
        if any(frame is None for frame, _ in reference):
            reference = [(frame if frame is not None else -2, ms) for frame, ms in reference]
    for loader, shown in steps.items():
        if loader in out:
            continue
        out[loader] = "plays" if plays(shown, reference, loader == "gdk-pixbuf") else "misplays"
    return out


def main():
    corpus, probes, kurzory = sys.argv[1:4]
    show = "--show" in sys.argv
    with open(os.path.join(corpus, "manifest.json")) as manifest_file:
        manifest = json.load(manifest_file)
    names = sorted(manifest)
    observed = {name: {} for name in names}
    wine = run_wine(corpus, os.path.join(probes, "wine_probe.exe"), names)
    for name in names:
        entry = manifest[name]
        path = os.path.join(corpus, name)
        wanted = str(min(2 * max(len(entry.get("intent", [])), 1) + 4, 2100))
        observed[name]["wine"] = wine.get(name, ("crashes", None))
        observed[name]["gdk-pixbuf"] = run_child([os.path.join(probes, "pixbuf_probe"), path, wanted])
        observed[name]["kde"] = run_child([os.path.join(probes, "kde_probe"), path, "2100"])
    info = subprocess.run([kurzory, "info", "--json"] + [os.path.join(corpus, name) for name in names],
                          capture_output=True, text=True)
    claimed = {}
    for line in info.stdout.splitlines():
        try:
            record = json.loads(line)
        except ValueError:
            continue
        claimed[os.path.basename(record["file"])] = record
    agree = {loader: 0 for loader in LOADERS}
    for name in names:
        truth = verdicts(manifest[name], observed[name])
        record = claimed.get(name, {})
        said = {loader: record.get("loaders", {}).get(loader, {}).get("verdict", "?") for loader in LOADERS}
        line = []
        for loader in LOADERS:
            same = said[loader] == truth[loader] or (said[loader] == "copes" and truth[loader] == "plays")
            agree[loader] += same
            if not same:
                line.append("%s: did %s, info says %s" % (loader, truth[loader], said[loader]))
        if line or show:
            print("%-34s %s" % (name, "; ".join(line) if line else "agrees"))
            if show:
                for loader in LOADERS:
                    kind, shown = observed[name][loader]
                    frames = manifest[name].get("frames", [])
                    text = kind if kind != "steps" else " ".join(
                        "%s/%g" % (identify(samples, frames), ms) for ms, samples in shown[:12])
                    print("    %-10s %-9s %s" % (loader, truth[loader], text))
    total = len(names)
    failed = False
    for loader in LOADERS:
        share = 100.0 * agree[loader] / total
        print("agreement with %-10s %3d of %3d files, %.1f %%" % (loader + ":", agree[loader], total, share))
        failed |= agree[loader] < total
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
