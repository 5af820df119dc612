#!/usr/bin/env python3
# The example rollout play against four benches on this machine, each with its
# own release folder, state folder and simulated instrument: what a depot sees
# in the play's CSV and on the instruments. The collection is installed
# read-only and the play started from a folder of its own, as a depot's
# operator would.
#
# Needs RZ_UPDATER, RZSIM, RZ_SIMULATOR_DIR and RZ_DEMO_KEY_DIR (set by ctest),
# ansible-playbook.

import csv
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
COLLECTION = os.path.join(SOURCE, "contrib", "ansible")

# rzsim device options per bench, in the play's order.
CURRENT = {
    "bench1": ["--model", "RZ610R", "--serial", "101", "--boot", "4", "--run", "5", "--fpga", "10"],
    "bench2": ["--model", "RZ610S", "--serial", "102", "--boot", "4", "--run", "8", "--fpga", "14"],
    "bench3": ["--model", "RZ610T", "--serial", "103", "--fx3", "9", "--fpga", "7"],
    "bench4": ["--model", "RZ870S", "--serial", "104", "--boot", "2", "--run", "4", "--fpga", "4"],
}
OUTDATED = {
    "bench1": ["--model", "RZ610R", "--serial", "101", "--boot", "4", "--run", "5", "--fpga", "9"],
    "bench2": ["--model", "RZ610S", "--serial", "102", "--boot", "4", "--run", "7", "--fpga", "14"],
    "bench3": ["--model", "RZ610T", "--serial", "103", "--fx3", "8", "--fpga", "6"],
    "bench4": ["--model", "RZ870S", "--serial", "104", "--boot", "2", "--run", "3", "--fpga", "4"],
}
OLD = {"bench1": "4.5.9", "bench3": "8.8.6"}
TARGET = {"bench1": "4.5.10", "bench2": "4.8.14", "bench3": "9.9.7", "bench4": "2.4.4"}
WRITE_CALL = re.compile(r"^rz\w*(Clear|Write|Bootstrap)\w*\(", re.MULTILINE)


class RolloutTest(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.TemporaryDirectory(prefix="rollout-", dir=os.environ.get("RZ_TEST_WORK"))
        self.addCleanup(self.work.cleanup)
        # The folder the play is started in, which gets the CSV.
        self.cwd = os.path.join(self.work.name, "operator")
        os.makedirs(self.cwd)
        self.csv = os.path.join(self.cwd, "rz-rollout.csv")
        self.environment = dict(
            os.environ,
            ANSIBLE_CONFIG=os.path.join(self.work.name, "ansible.cfg"),
            ANSIBLE_HOME=os.path.join(self.work.name, "ansible-home"),
            ANSIBLE_LOCAL_TEMP=os.path.join(self.work.name, "ansible-tmp"),
            ANSIBLE_REMOTE_TEMP=os.path.join(self.work.name, "ansible-tmp"),
            ANSIBLE_NOCOLOR="1",
            # The play names the module rz.firmware.rz_firmware: the collection
            # is found where a collections path would hold it.
            ANSIBLE_COLLECTIONS_PATHS=os.path.join(self.work.name, "collections"),
        )
        installed = os.path.join(self.work.name, "collections", "ansible_collections", "rz", "firmware")
        shutil.copytree(COLLECTION, installed, ignore=shutil.ignore_patterns("output", "__pycache__"))
        self.playbook = os.path.join(installed, "playbooks", "rollout.yml")
        for folder, _, files in os.walk(installed):
            for name in files:
                os.chmod(os.path.join(folder, name), 0o444)
            os.chmod(folder, 0o555)
        # Read-only stops no one running as root: the play must not even try.
        self.installed_files = self.files_in(installed)
        open(self.environment["ANSIBLE_CONFIG"], "w").close()
        inventory = {"benches": {"hosts": {}, "vars": {
            "ansible_connection": "local",
            "ansible_python_interpreter": sys.executable,
            "rz_updater": self.install_updater(),
        }}}
        for bench in CURRENT:
            folder = self.bench(bench)
            os.makedirs(folder)
            self.rzsim(bench, "firmware", os.path.join(folder, "firmware"), "--key",
                       os.path.join(os.environ["RZ_DEMO_KEY_DIR"], "rzsim.key"))
            # The release folder by name; one bench as earlier inventories name
            # it, by the folder holding firmware/.
            release = {"rz_release_dir": folder} if bench == "bench1" else \
                {"rz_firmware_dir": os.path.join(folder, "firmware")}
            inventory["benches"]["hosts"][bench] = {
                **release,
                "rz_state_dir": os.path.join(folder, "state"),
                "rz_record": os.path.join(folder, "calls.jsonl"),
                "rz_environment": {
                    "RZ_SIM_DEVICE": os.path.join(folder, "rzsim-device.json"),
                    "RZ_SIM_TRACE": os.path.join(folder, "trace.txt"),
                    # Each simulated bench stands for a machine of its own.
                    "RZ_LOCK_FILE": os.path.join(folder, "updater.lock"),
                    "LD_LIBRARY_PATH": os.environ["RZ_SIMULATOR_DIR"],
                    # A German bench: the module still reads English.
                    "LANGUAGE": "de",
                },
            }
        self.inventory = os.path.join(self.work.name, "inventory.json")
        with open(self.inventory, "w") as file:
            json.dump(inventory, file)

    # The updater installed as the package would, into a prefix that trusts
    # the demo key the benches' releases are signed with, whatever keys the
    # build itself trusts (a build against the maker's library trusts only his),
    # with the build's translations.
    def install_updater(self):
        prefix = os.path.join(self.work.name, "prefix")
        built = os.path.join(os.path.dirname(os.path.dirname(os.environ["RZ_UPDATER"])), "share",
                             "rz-firmware-updater", "translations")
        shutil.copytree(built, os.path.join(prefix, "share", "rz-firmware-updater", "translations"))
        keys = os.path.join(prefix, "share", "rz-firmware-updater", "keys")
        os.makedirs(os.path.join(prefix, "bin"))
        os.makedirs(keys)
        program = shutil.copy2(os.environ["RZ_UPDATER"], os.path.join(prefix, "bin"))
        shutil.copy(os.path.join(os.environ["RZ_DEMO_KEY_DIR"], "rzsim.pub"), keys)
        return program

    @staticmethod
    def files_in(folder):
        return sorted(os.path.join(parent, name) for parent, _, files in os.walk(folder) for name in files)

    def bench(self, name):
        return os.path.join(self.work.name, name)

    def rzsim(self, bench, *arguments):
        subprocess.run([os.environ["RZSIM"], *arguments], cwd=self.bench(bench), check=True,
                       stdout=subprocess.DEVNULL, env=dict(os.environ, RZ_SIM_DEVICE=self.device(bench)))

    def device(self, bench):
        return os.path.join(self.bench(bench), "rzsim-device.json")

    def make_instruments(self, options):
        for bench, device in options.items():
            self.rzsim(bench, "device", *device, "--fast")

    def play(self, *options):
        """Runs the play; returns its exit code and the CSV's rows by bench."""
        for bench in CURRENT:
            if os.path.exists(self.trace_file(bench)):
                os.remove(self.trace_file(bench))
        run = subprocess.run(["ansible-playbook", "-i", self.inventory, self.playbook, *options],
                             env=self.environment, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                             cwd=self.cwd)
        self.assertEqual(self.files_in(os.path.dirname(os.path.dirname(self.playbook))), self.installed_files)
        with open(self.csv, newline="") as file:
            rows = {row["bench"]: row for row in csv.DictReader(file)}
        return run.returncode, rows, run.stdout

    def trace_file(self, bench):
        return os.path.join(self.bench(bench), "trace.txt")

    def trace(self, bench):
        try:
            with open(self.trace_file(bench)) as file:
                return file.read()
        except FileNotFoundError:
            return ""

    def writes(self, bench):
        return WRITE_CALL.findall(self.trace(bench))

    def recorded_command(self, bench):
        """The command the bench's recording of the library's calls was made by; None without one."""
        try:
            with open(os.path.join(self.bench(bench), "calls.jsonl")) as recording:
                return json.loads(recording.readline())["action"]
        except FileNotFoundError:
            return None

    def test_check_then_update_then_nothing_left(self):
        self.make_instruments({**CURRENT, "bench1": OUTDATED["bench1"], "bench3": OUTDATED["bench3"]})
        outdated = {"bench1", "bench3"}
        for mode, options in (("check", ["--check"]), ("update", []), ("again", [])):
            rc, rows, output = self.play(*options)
            self.assertEqual(rc, 0, output)
            self.assertEqual(sorted(rows), sorted(CURRENT), output)
            if mode == "again":
                self.assertNotRegex(output, r"changed=[1-9]")
            for bench, row in rows.items():
                with self.subTest(mode=mode, bench=bench):
                    expect_change = bench in outdated and mode != "again"
                    writes = mode == "update" and bench in outdated
                    before = TARGET[bench] if mode == "again" else OLD.get(bench, TARGET[bench])
                    self.assertEqual((row["changed"], row["version_before"], row["version_after"]),
                                     (str(expect_change), before, before if mode == "check" else TARGET[bench]))
                    self.assertEqual(row["serial"], CURRENT[bench][3])
                    self.assertEqual(bool(self.writes(bench)), writes)
                    self.assertNotEqual(self.trace(bench), "")
                    # A check records nowhere, so never over the real run's recording.
                    named = "" if bench == "bench1" else " --firmware " + os.path.join(self.bench(bench), "firmware")
                    self.assertEqual(self.recorded_command(bench), None if mode == "check" else "--json update" + named)
                    # Its own state folder, as set in the inventory.
                    self.assertEqual(os.path.dirname(row["log_file"]), os.path.join(self.bench(bench), "state"))
                    self.assertTrue(os.path.isfile(row["log_file"]))
                    self.assertEqual(row["outcome"], ("would update" if expect_change else "current")
                                     if mode == "check" else "done")

    def test_bench_in_boot_mode_is_restored_with_rz_state(self):
        self.make_instruments(CURRENT)
        self.rzsim("bench1", "device", *OUTDATED["bench1"], "--fast", "--invalid", "run")
        rc, rows, output = self.play()
        self.assertNotEqual(rc, 0, output)
        self.assertRegex(rows["bench1"]["msg"], r"set state: restored\.$")
        self.assertEqual(self.writes("bench1"), [])
        # Refused on the command line, in the bench's German were it not for the module.
        rc, rows, output = self.play("-e", "rz_state=restored", "-e", "rz_model=RZ999")
        self.assertEqual(rows["bench1"]["msg"], "model: expected one of RZ610R, RZ610S, RZ610T, RZ870S, not RZ999.")
        rc, rows, output = self.play("-e", "rz_state=restored")
        self.assertEqual(rc, 0, output)
        self.assertEqual([(bench, row["changed"], row["version_after"]) for bench, row in sorted(rows.items())],
                         [(bench, str(bench == "bench1"), TARGET[bench]) for bench in sorted(CURRENT)])

    def test_failed_write_stops_the_benches_after_it(self):
        self.make_instruments(OUTDATED)
        self.rzsim("bench2", "device", *OUTDATED["bench2"], "--fast", "--fault", "rzConfigUSBWriteRunSector:5")
        # The day's report in a folder nobody made yet.
        self.csv = os.path.join(self.cwd, "reports", "rollout.csv")
        rc, rows, output = self.play("-e", "rz_report_csv=reports/rollout.csv")
        self.assertNotEqual(rc, 0, output)
        self.assertEqual(sorted(rows), ["bench1", "bench2"], output)
        self.assertEqual((rows["bench1"]["changed"], rows["bench1"]["version_after"]), ("True", "4.5.10"))
        self.assertEqual((rows["bench2"]["outcome"], rows["bench2"]["changed"], rows["bench2"]["msg"]),
                         ("failed", "True", "Failed writing run Fx3 of RZ610S 102."))
        for bench in ("bench3", "bench4"):
            self.assertEqual(self.trace(bench), "", bench)
        # The failed bench's recording ends with the write that failed.
        with open(os.path.join(self.bench("bench2"), "calls.jsonl")) as recording:
            calls = [json.loads(line) for line in recording]
        self.assertEqual(calls[0]["action"], "--json update --firmware " + os.path.join(self.bench("bench2"), "firmware"))
        self.assertEqual((calls[-1]["function"], calls[-1]["status"]), ("rzConfigUSBWriteRunSector", 5))


if __name__ == "__main__":
    unittest.main()
