#!/usr/bin/python3
"""Outside check of the astronomy engine against PyEphem (Debian's python3-ephem).

Compares a year of new moons and of Moscow moonrises as somnar-calendar prints them with
PyEphem's, prints the largest differences, and times PyEphem on 31 moonrises.

Usage: compare_pyephem.py [--bin DIR] [--year YEAR]
"""

import argparse
import csv
import datetime as dt
import io
import os
import subprocess
import sys
import time

import ephem

MOSCOW = (55.75, 37.5833)


def run_tool(binary, *arguments):
    output = subprocess.run([binary, *arguments, "--csv"], check=True, capture_output=True, text=True).stdout
    return list(csv.DictReader(io.StringIO(output)))


def parse_time(text):
    return dt.datetime.strptime(text, "%Y-%m-%dT%H:%M:%S")


def ephem_time(value):
    return ephem.Date(value).datetime().replace(microsecond=0)


def moscow_observer(date):
    observer = ephem.Observer()
    observer.lat, observer.lon = str(MOSCOW[0]), str(MOSCOW[1])
    observer.elevation = 0
    observer.date = ephem.Date(date)
    return observer


def next_rising(date):
    """PyEphem's first moonrise on the UT day of `date`, or None."""
    observer = moscow_observer(date)
    try:
        rise = ephem_time(observer.next_rising(ephem.Moon()))
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return None
    return rise if rise < date + dt.timedelta(days=1) else None


def compare_new_moons(binary, year):
    rows = run_tool(binary, "phases", f"{year}-01-01", f"{year}-12-31")
    worst = 0.0
    worst_residual = 0.0
    count = 0
    for row in rows:
        if row["phase"] != "0":
            continue
        ours = parse_time(row["time"])
        theirs = ephem_time(ephem.next_new_moon(ephem.Date(ours - dt.timedelta(days=2))))
        difference = (ours - theirs).total_seconds()
        # The engine uses the dynamical-time instant as UT; what is left after Delta T is the model.
        residual = difference - ephem.delta_t(ephem.Date(theirs))
        worst = max(worst, difference, key=abs)
        worst_residual = max(worst_residual, residual, key=abs)
        count += 1
        print(f"new moon {ours.isoformat()}  PyEphem {theirs.isoformat()}  {difference:+.0f} s "
              f"({residual:+.0f} s beyond Delta T)")
    print(f"{count} new moons of {year}: largest difference {worst:+.0f} s, "
          f"{worst_residual:+.0f} s beyond Delta T")


def compare_moonrises(binary, year):
    first = dt.datetime(year, 1, 1)
    days = [first + dt.timedelta(days=i) for i in range((dt.datetime(year + 1, 1, 1) - first).days)]
    rows = run_tool(binary, "moonrise", "--lat", str(MOSCOW[0]), "--lon", str(MOSCOW[1]),
                    *[d.strftime("%Y-%m-%d") for d in days])
    ours = [parse_time(row["rise_time"]) for row in rows if row["rise_time"]]
    theirs = [rise for rise in map(next_rising, days) if rise is not None]
    # A rise close to midnight may fall on either side of it; pair each rise with the nearest.
    worst = 0.0
    worst_rise = None
    for rise in ours:
        nearest = min(theirs, key=lambda other: abs((rise - other).total_seconds()))
        difference = (rise - nearest).total_seconds() / 60
        if abs(difference) > abs(worst):
            worst, worst_rise = difference, rise
    print(f"Moscow moonrises of {year}: {len(ours)} here, {len(theirs)} by PyEphem; "
          f"largest difference {worst:+.2f} min (at {worst_rise.isoformat()} UT)")


def time_pyephem_moonrises():
    start = dt.datetime(2024, 3, 1)
    repetitions = 20
    began = time.perf_counter()
    for _ in range(repetitions):
        for day in range(31):
            next_rising(start + dt.timedelta(days=day))
    elapsed = (time.perf_counter() - began) / repetitions
    print(f"PyEphem: 31 Moscow moonrises in {elapsed * 1000:.2f} ms")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    default_bin = os.environ.get("SOMNAR_BIN_DIR", os.path.join(os.path.dirname(__file__), "../../build/bin"))
    parser.add_argument("--bin", default=default_bin, help="folder holding somnar-calendar")
    parser.add_argument("--year", type=int, default=2024)
    arguments = parser.parse_args()
    binary = os.path.join(arguments.bin, "somnar-calendar")
    if not os.path.exists(binary):
        sys.exit(f"no somnar-calendar in {arguments.bin}; build it or pass --bin")
    compare_new_moons(binary, arguments.year)
    compare_moonrises(binary, arguments.year)
    time_pyephem_moonrises()


if __name__ == "__main__":
    main()
