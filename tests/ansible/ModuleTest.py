#!/usr/bin/env python3
# The rz.firmware collection's rz_firmware module without a play: how it reads
# the updater's report and exit code, and that ansible-doc shows what the
# module takes and returns.

import json
import os
import subprocess
import sys
import tempfile
import unittest

COLLECTION = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))),
                          "contrib", "ansible")
LIBRARY = os.path.join(COLLECTION, "plugins", "modules")
# The module imports the collection's module_utils by the collection's name:
# the source is found under that name, as on a collections path.
COLLECTIONS = tempfile.TemporaryDirectory(prefix="collections-", dir=os.environ.get("RZ_TEST_WORK"))
os.makedirs(os.path.join(COLLECTIONS.name, "ansible_collections", "rz"))
os.symlink(COLLECTION, os.path.join(COLLECTIONS.name, "ansible_collections", "rz", "firmware"))
sys.path[:0] = [LIBRARY, COLLECTIONS.name]
sys.dont_write_bytecode = True  # no cache folder in the source tree

import rz_firmware  # noqa: E402
from ansible_collections.rz.firmware.plugins.module_utils import rz_report  # noqa: E402

CHECK_LINES = ["", "Checking Firmware Versions...", "", "Found RZ610R", "Serial 12345, with firmware 4.5.9"]
FAILED_WRITE = CHECK_LINES + ["Updating FPGA, estimated 6 minutes.", "Failed Writing", "Firmware updated unsuccessfully.",
                              "Check device connections and re-run the software.",
                              "If problem persists, contact Pellanor."]
NOTHING_ANSWERS = ["", "Checking Firmware Versions...", "", "Failed to open RZ.", "Looking for RZ boot device...",
                   "Failed to open RZ boot device.", "Failed to open boot device.", "Looking to bootstrap device.",
                   "Failed to detect device.",
                   "Cycle the power on the device, restart the firmware updater,  and try again.",
                   "If you continue to receive this message, contact Pellanor."]


STUCK = "RZ610R 12345 stopped answering while writing FPGA: no answer for 18 minutes."
NOT_FOUND = "Cannot find the instrument: none answers, not even to a bootstrap as RZ610R."


def report(lines, written=False, **members):
    return json.dumps({"command": "update", "outcome": "done", "model": "RZ610R", "serial": 12345,
                       "firmwareBefore": "4.5.9", "firmwareAfter": "4.5.10" if written else "4.5.9",
                       "target": "4.5.10", "written": written, "erased": written, "reason": None, "lines": lines,
                       **members})


class ModuleTest(unittest.TestCase):
    def test_report_to_result(self):
        # state, check mode, model, exit code, stdout, stderr -> failed, changed, msg
        failed_write = report(FAILED_WRITE, outcome="failed", firmwareAfter=None, erased=True, reason="Failed writing FPGA of RZ610R 12345.")
        not_opened = report(CHECK_LINES, outcome="failed", reason="Failed opening RZ610R 12345: Cannot Find Device")
        nothing = report(NOTHING_ANSWERS, command="restore", outcome="nothing found", firmwareBefore=None,
                         reason=NOT_FOUND)
        stuck = report(CHECK_LINES, outcome="stopped answering", firmwareAfter=None, erased=True, reason=STUCK)
        needs_restore = report(CHECK_LINES, outcome="refused", reason="The instrument needs a restore; use restore.")
        declined = report(CHECK_LINES, outcome="refused", reason="RZ610R 12345 holds newer firmware than this release; "
                          "to write this release anyway, run `rz-firmware-updater update --allow-downgrade`.")
        no_model = report(NOTHING_ANSWERS, command="restore", outcome="refused", firmwareBefore=None,
                          reason="No instrument answers. To bootstrap it, name its model: restore --model RZ610R|RZ870S.")
        unfinished = report(NOTHING_ANSWERS, command="check", outcome="nothing found", firmwareBefore=None,
                            reason="Nothing answers. The last update of RZ870S 999 did not finish: if this is that "
                            "instrument, run `rz-firmware-updater restore` to finish it; otherwise "
                            "`rz-firmware-updater restore --model MODEL`.")
        current = "The instrument has firmware 4.5.9."
        available = "An update to firmware 4.5.10 is available."
        cases = [
            ("updated", False, None, 0, report(CHECK_LINES, written=True), "",
             False, True, "The instrument now has firmware 4.5.10."),
            ("updated", False, None, 0, report(CHECK_LINES), "", False, False, current),
            ("updated", False, None, 1, failed_write, "", True, True, "Failed writing FPGA of RZ610R 12345."),
            ("updated", False, None, 1, not_opened, "", True, False, "Failed opening RZ610R 12345: Cannot Find Device"),
            ("updated", False, None, 5, stuck, "", True, True, STUCK),
            ("restored", False, "RZ610R", 3, nothing, "", True, False, NOT_FOUND),
            ("restored", False, "RZ999", 2, "", "rz-firmware-updater: --model: expected one of RZ610R, RZ610S, "
             "RZ610T, RZ870S, not RZ999.\n", True, False,
             "model: expected one of RZ610R, RZ610S, RZ610T, RZ870S, not RZ999."),
            ("updated", False, None, 4, needs_restore, "", True, False,
             "The instrument needs a restore; set state: restored."),
            ("updated", False, None, 4, declined, "", True, False, "RZ610R 12345 holds newer firmware than this "
             "release; set allow_downgrade: true to write it anyway."),
            ("restored", False, None, 4, no_model, "", True, False,
             "No instrument answers. To bootstrap it, set state: restored and model: one of RZ610R, RZ870S."),
            ("updated", True, None, 3, unfinished, "", True, False,
             "Nothing answers. The last update of RZ870S 999 did not finish: if this is that instrument, "
             "set state: restored to finish it; otherwise also set model."),
            ("updated", False, None, 0, "not json", "", True, False, "The updater printed no JSON report."),
            ("updated", False, None, -15, "", "", True, False, ""),
            ("updated", False, None, 143, report(CHECK_LINES, written=True), "",
             True, True, "The instrument now has firmware 4.5.10."),
            ("checked", False, None, 10, report(CHECK_LINES), "", False, False, available),
            ("updated", True, None, 10, report(CHECK_LINES), "", False, True, available),
            ("updated", True, None, 0, report(CHECK_LINES), "", False, False, current),
            ("updated", True, None, 11, report(CHECK_LINES), "", True, False,
             "The instrument needs a restore: set state: restored."),
            ("restored", True, None, 11, report(CHECK_LINES), "", False, True,
             "The instrument needs a restore to firmware 4.5.10."),
            ("restored", True, None, 10, report(CHECK_LINES), "", False, True, available),
            ("restored", True, None, 0, report(CHECK_LINES), "", False, False, current),
            ("restored", True, "RZ610R", 3, nothing, "", False, True, NOT_FOUND),
            ("restored", True, None, 3, nothing, "", True, False, NOT_FOUND),
        ]
        for state, check_mode, model, rc, stdout, stderr, failed, changed, msg in cases:
            with self.subTest(state=state, check_mode=check_mode, rc=rc, stdout=stdout[-60:]):
                is_failed, result = rz_report.interpret(state, check_mode, rc, stdout, stderr, model)
                self.assertEqual((is_failed, result["changed"], result["msg"]), (failed, changed, msg))
                self.assertEqual(result["updater_rc"], rc)
                self.assertNotIn("rc", result) # Ansible fails any task with a non-zero rc

    def test_restore_of_a_working_instrument_becomes_an_update(self):
        refused = json.loads(report(CHECK_LINES, command="restore", outcome="refused",
                                    reason="The instrument answers normally; use update."))
        self.assertTrue(rz_report.answers_normally(refused))
        self.assertFalse(rz_report.answers_normally(dict(refused, firmwareBefore=None)))

    def test_returned_values(self):
        _, result = rz_report.interpret("updated", False, 0, report([], written=True, attemptId=42,
                                                                    logFile="/var/log/x.log"), "")
        self.assertEqual({key: result[key] for key in ("model", "serial", "version_before", "version_after",
                                                       "attempt_id", "log_file", "outcome")},
                         {"model": "RZ610R", "serial": 12345, "version_before": "4.5.9", "version_after": "4.5.10",
                          "attempt_id": 42, "log_file": "/var/log/x.log", "outcome": "done"})
        self.assertEqual(result["report"]["written"], True)

    def test_check_mode_records_nowhere(self):
        # check mode, record, RZ_API_RECORD of the task's environment -> the updater's RZ_API_RECORD
        cases = [
            (False, "/srv/calls.jsonl", None, "/srv/calls.jsonl"),
            (True, "/srv/calls.jsonl", None, None),
            (True, None, "/srv/calls.jsonl", None),
        ]
        for check_mode, record, inherited, recorded in cases:
            with self.subTest(check_mode=check_mode, record=record, inherited=inherited):
                task = {"RZ_API_RECORD": inherited} if inherited else {}
                environment = rz_firmware.updater_environment(task, {"state_dir": None, "record": record}, check_mode)
                self.assertEqual(environment.get("RZ_API_RECORD"), recorded)
                self.assertEqual(environment["LC_ALL"], "C.UTF-8")  # the report it reads is English

    def test_state_folder_is_passed_absolute(self):
        environment = rz_firmware.updater_environment({}, {"chdir": "/srv/release", "state_dir": "state",
                                                           "record": None}, False)
        self.assertEqual(environment["RZ_STATE_DIR"], "/srv/release/state")

    def test_release_folder_is_passed_absolute(self):
        # chdir, firmware_dir -> the updater's arguments after its command
        cases = [
            ("/srv", "releases/4.5.10", ["--firmware", "/srv/releases/4.5.10"]),
            (None, "/srv/releases/4.5.10", ["--firmware", "/srv/releases/4.5.10"]),
            ("/srv/release", None, []),
        ]
        for chdir, firmware_dir, named in cases:
            with self.subTest(chdir=chdir, firmware_dir=firmware_dir):
                params = {"state": "updated", "chdir": chdir, "firmware_dir": firmware_dir,
                          "allow_downgrade": False, "model": None}
                self.assertEqual(rz_firmware.command_line(params, False), ["--json", "update"] + named)

    def test_ansible_doc_shows_every_option_and_return_value(self):
        with tempfile.TemporaryDirectory() as home:  # ansible's own files stay out of the home folder
            run = subprocess.run(["ansible-doc", "--json", "-M", LIBRARY, "rz_firmware"], stdout=subprocess.PIPE,
                                 stderr=subprocess.PIPE, text=True,
                                 env=dict(os.environ, ANSIBLE_NOCOLOR="1", ANSIBLE_HOME=home, ANSIBLE_LOCAL_TEMP=home))
        self.assertEqual(run.returncode, 0, run.stderr)
        doc = json.loads(run.stdout)["rz_firmware"]
        options = doc["doc"]["options"]
        self.assertEqual(sorted(options), sorted(rz_firmware.MODULE_OPTIONS))
        for name, declared in rz_firmware.MODULE_OPTIONS.items():
            with self.subTest(option=name):
                self.assertEqual(options[name]["type"], declared["type"])
                self.assertEqual(options[name].get("default"), declared.get("default"))
                self.assertEqual(options[name].get("choices"), declared.get("choices"))
                self.assertEqual(options[name].get("required", False), declared.get("required", False))
        _, result = rz_report.interpret("updated", False, 0, report([], attemptId=42, logFile="/var/log/x.log"), "")
        self.assertEqual(sorted(doc["return"]), sorted(set(result) - {"changed", "msg"}))
        types = {"str": str, "int": int, "dict": dict}
        for name, returned in doc["return"].items():
            with self.subTest(returned=name):
                self.assertIsInstance(result[name], types[returned["type"]])
        self.assertTrue(doc["examples"].strip())


if __name__ == "__main__":
    unittest.main()
