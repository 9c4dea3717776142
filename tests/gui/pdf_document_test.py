#!/usr/bin/env python3
"""`starwise --pdf` end to end, read back with poppler-utils.

For each birth the PDF must hold, in order, every line of the command-line
tool's text reading of the same flags (the same texts, from the same core);
page 1 must hold the wheel (the twelve sign glyphs, "Asc", every body's and
node's position text); the page count must be sane. It runs with no display
and no platform named, as a script on a server would. Refused flags must
give the command-line tool's message and status 2, and no file.

Usage: pdf_document_test.py STARWISE STARWISE_CLI
"""
import json
import os
import re
import resource
import signal
import stat
import subprocess
import sys
import tempfile

BIRTHS = [  # (what it covers, flags)
    ("Pune: aspects of both kinds", ["--date", "1980-07-15", "--time", "06:30", "--zone", "34",
                                     "--lon", "73:51E", "--lat", "18:31N", "--name", "ASHA KULKARNI"]),
    ("New York: on the cusp, daylight saving", ["--date", "1975-10-23", "--time", "06:00", "--zone", "27", "--dst",
                                                "--lon", "74:00W", "--lat", "40:43N", "--name", "ROSA"]),
    ("Reykjavik: far north, no name", ["--date=2001-01-01", "--time=23:59", "--zone=29",
                                       "--lon=21:56W", "--lat=64:09N"]),
    # Laid out plainly, page 3 would end with the aspects' heading; the name
    # is too long for the footer beside the page number.
    ("Laos: a heading at a page's foot, a long name",
     ["--date", "1986-02-26", "--time", "23:25", "--zone", "59", "--lon", "102:47E", "--lat", "20:10N",
      "--name", "WILHELMINA MAXIMILIANA WOLKOWSKA MAMMERSMANN MOMMSEN WARHOLM"]),
]
# The messages themselves are the command line's (cli_contract_test.py): a
# row for a word refused, one for a value refused.
REFUSED = [  # (what it covers, flags after --pdf FILE)
    ("month 13", ["--date", "1980-13-15", "--time", "06:30", "--zone", "34", "--lon", "73:51E", "--lat", "18:31N"]),
    ("unknown word", ["--date", "1980-07-15", "--time", "06:30", "--zone", "34", "--lon", "73:51E",
                      "--lat", "18:31N", "--colour"]),
]
SIGN_GLYPHS = [chr(code) for code in range(0x2648, 0x2654)]
PAGES_AT_LEAST, PAGES_BELOW = 2, 15
FOOTER = re.compile(r"^Starwise reading for .*Page \d+ of \d+$", re.MULTILINE)
PART_HEADINGS = {"Sun Sign", "Karma Profile", "Planets in House", "North Node", "South Node", "Positive Traits",
                 "Negative Traits", "Positions at Birth"}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


# No display and no platform asked for: --pdf must choose the offscreen one.
HEADLESS = {k: v for k, v in os.environ.items() if k not in ("QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY")}


def run(command):
    return subprocess.run(command, capture_output=True, text=True, timeout=60, env=HEADLESS)


def tokens(text):
    """Words, with the colons the text reading puts after captions dropped."""
    return text.replace(":", " ").split()


def find_in_order(haystack, lines):
    """The first line whose words do not follow, together, the previous line's; or None."""
    start = 0
    for line in lines:
        needle = tokens(line)
        at = next((i for i in range(start, len(haystack) - len(needle) + 1)
                   if haystack[i:i + len(needle)] == needle), None)
        if at is None:
            return line
        start = at + len(needle)
    return None


def pdf_text(path, *pages):
    result = run(["pdftotext", "-raw", *pages, path, "-"])
    return FOOTER.sub("", result.stdout.replace("\f", "\n"))


def check_birth(starwise, cli, folder, label, flags):
    pdf = os.path.join(folder, "reading.pdf")
    made = run([starwise, "--pdf", pdf, *flags])
    if not check(made.returncode == 0, f"{label}: status {made.returncode}, stderr {made.stderr!r}"):
        return
    pages = int(re.search(r"^Pages:\s+(\d+)", run(["pdfinfo", pdf]).stdout, re.MULTILINE).group(1))
    check(PAGES_AT_LEAST <= pages < PAGES_BELOW, f"{label}: {pages} pages")

    expected = [line for line in run([cli, *flags]).stdout.splitlines()
                if line.strip() and not set(line) <= {"="}]
    missing = find_in_order(tokens(pdf_text(pdf)), expected)
    check(missing is None, f"{label}: missing or out of order in the PDF: {missing!r}")

    reading = json.loads(run([cli, "--json", *flags]).stdout)
    check_page_ends(pdf, pages, reading, label)

    first_page = pdf_text(pdf, "-f", "1", "-l", "1")
    wheel = SIGN_GLYPHS + ["Asc"] + [b["position"] for b in reading["bodies"][:10]]
    wheel += [reading["north_node"], reading["south_node"]]
    words = first_page.split()
    absent = [text for text in wheel if not (text in words or (" " in text and text in first_page))]
    check(not absent, f"{label}: not on page 1: {absent}")


def check_page_ends(pdf, pages, reading, label):
    """No page ends with a heading, and each footer ends with its whole page number."""
    headings = set(PART_HEADINGS)
    for piece in reading["report"]:
        if piece.get("control") == "RTBHouseDesc" and piece["colour"] != "black":
            lines = [line.strip() for line in piece["text"].split("\r\n") if line.strip()]
            headings.update(line for line in lines if len(line) < 80 and not line.endswith(":"))
    for page in range(1, pages + 1):
        raw = run(["pdftotext", "-raw", "-f", str(page), "-l", str(page), pdf, "-"]).stdout
        lines = [line.strip() for line in raw.splitlines() if line.strip()]
        footer = [line for line in lines if line.startswith("Starwise reading for")]
        check(len(footer) == 1 and footer[0].endswith(f"Page {page} of {pages}"),
              f"{label}: page {page} footer {footer!r}")
        body = [line for line in lines if not line.startswith("Starwise reading for")]
        check(not body or body[-1] not in headings, f"{label}: page {page} ends with the heading {body[-1]!r}")


def check_refused(starwise, cli, folder, label, flags):
    pdf = os.path.join(folder, "refused.pdf")
    got = run([starwise, "--pdf", pdf, *flags])
    want = run([cli, *flags])
    check(got.returncode == 2, f"{label}: status {got.returncode}, expected 2")
    check(got.stderr.strip() == want.stderr.strip() and got.stderr.strip(),
          f"{label}: message {got.stderr.strip()!r}, the command line says {want.stderr.strip()!r}")
    check(not os.path.exists(pdf), f"{label}: a file was written")


def limit_file_size():
    """In the child: files stop growing at 4 KiB (write() fails with EFBIG), a full disk without root."""
    signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
    resource.setrlimit(resource.RLIMIT_FSIZE, (4096, resource.getrlimit(resource.RLIMIT_FSIZE)[1]))


def check_failed_writes(starwise, folder):
    """A PDF that cannot be written: status 1, the file and the cause named, the older file intact."""
    flags = BIRTHS[0][1]
    # As root, a copy of /dev/full's node in the test's folder: a writer that
    # wrongly replaced it would not harm /dev.
    node = os.path.join(folder, "full")
    try:
        os.mknod(node, 0o666 | stat.S_IFCHR, os.makedev(1, 7))
    except OSError:
        node = "/dev/full"
    device = run([starwise, "--pdf", node, *flags])
    check(device.returncode == 1 and stat.S_ISCHR(os.stat(node).st_mode)
          and device.stderr.splitlines()[-1:] == [f"Cannot write {node}: it is a device, not a regular file."],
          f"--pdf {node}: status {device.returncode}, {device.stderr!r}")
    disks = [("file size limit", folder, limit_file_size, "File too large")]
    small = os.path.join(folder, "small-disk")
    os.mkdir(small)
    mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", small], capture_output=True).returncode == 0
    if mounted:  # only as root
        disks.append(("64 KiB tmpfs", small, None, "No space left on device"))
    else:
        print("skipped: the full tmpfs (mounting needs root)")
    try:
        for label, where, limit, cause in disks:
            older = os.path.join(where, "older.pdf")
            with open(older, "wb") as file:
                file.write(b"older reading")
            full = subprocess.run([starwise, "--pdf", older, *flags], capture_output=True, text=True, timeout=60,
                                  env=HEADLESS, preexec_fn=limit)
            with open(older, "rb") as file:
                kept = file.read()
            left = [name for name in os.listdir(where) if name.startswith(".")]
            check(full.returncode == 1 and full.stderr.splitlines()[-1:] == [f"Cannot write {older}: {cause}."]
                  and kept == b"older reading" and not left,
                  f"{label}: status {full.returncode}, {full.stderr!r}, file {kept[:20]!r}, left over {left}")
    finally:
        if mounted:
            subprocess.run(["umount", small])
    with open("/dev/full", "wb") as full:
        for word in ("--help", "--version"):
            result = subprocess.run([starwise, word], stdout=full, stderr=subprocess.PIPE, timeout=60, env=HEADLESS)
            check(result.returncode == 1 and b"could not be written" in result.stderr,
                  f"{word} > /dev/full: status {result.returncode}, {result.stderr!r}")


def main():
    starwise, cli = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as folder:
        for label, flags in BIRTHS:
            check_birth(starwise, cli, folder, label, flags)
        for label, flags in REFUSED:
            check_refused(starwise, cli, folder, label, flags)
        check_failed_writes(starwise, folder)
        missing_value = run([starwise, "--pdf"])
        check(missing_value.returncode == 2 and "--pdf needs a value" in missing_value.stderr,
              f"--pdf alone: status {missing_value.returncode}, stderr {missing_value.stderr!r}")
    version = run([starwise, "--version"])
    check(version.returncode == 0 and version.stdout == "starwise " + os.environ["STARWISE_VERSION"] + "\n", f"--version printed {version.stdout!r}")
    usage = run([starwise, "--help"])
    check(usage.returncode == 0 and usage.stdout.startswith("Usage: starwise") and "--pdf FILE" in usage.stdout,
          f"--help printed {usage.stdout[:80]!r}")
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
