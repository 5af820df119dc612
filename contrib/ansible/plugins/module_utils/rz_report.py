# -*- coding: utf-8 -*-
# Copyright: 2026 RZ updater team
# Distributed with the RZ610/RZ870 firmware updater under its licence (see the
# package's copyright file); not under the GPL.
# What one run of the firmware updater means for the task: its JSON report and
# exit code turned into the task's result, its advice put as the module's options.

from __future__ import (absolute_import, division, print_function)
__metaclass__ = type

import json
import re

# The check's exit codes for "no instrument found", "an update is available"
# and "a restore is needed".
NOTHING_FOUND = 3
UPDATE_AVAILABLE = 10
RESTORE_NEEDED = 11

# What a failed or refused run of the updater says on standard error before
# its reason, when it printed no report.
PROGRAM_PREFIX = "rz-firmware-updater: "

# The updater's advice names its own commands and options; the task's
# message names the module's options instead. The updater runs in English
# (LC_ALL), so its advice reads as below.
ADVICE = [
    (re.compile(r"name its model: restore --model (\S+)\."),
     lambda found: "set state: restored and model: one of %s." % ", ".join(found.group(1).split("|"))),
    (re.compile(r"\brestore --model MODEL can bootstrap it\."), "set state: restored and model to bootstrap it."),
    (re.compile(r"\buse restore\."), "set state: restored."),
    (re.compile(r"if this is that instrument, run `rz-firmware-updater restore` to finish it; "
                r"otherwise `rz-firmware-updater restore --model MODEL`\."),
     "if this is that instrument, set state: restored to finish it; otherwise also set model."),
    (re.compile(r"run `rz-firmware-updater restore --model MODEL` with the connected instrument's model;"),
     "set state: restored and model to the connected instrument's;"),
    (re.compile(r"\buse update\."), "set state: updated."),
    (re.compile(r"\bto write this release anyway, run `rz-firmware-updater update --allow-downgrade`\."),
     "set allow_downgrade: true to write it anyway."),
    (re.compile(r"^--model:"), "model:"),
]


def in_module_terms(message):
    """The updater's message with its advice put as the module's options."""
    for pattern, advice in ADVICE:
        message = pattern.sub(advice, message)
    return message


def parse_report(stdout):
    """The updater's JSON report, or None when it printed none."""
    try:
        report = json.loads(stdout) if stdout.strip() else None
    except ValueError:
        report = None
    return report if isinstance(report, dict) else None


def reason_on_stderr(stderr):
    """The reason the updater gave on standard error, when it printed no report."""
    for line in reversed(stderr.splitlines()):
        if line.startswith(PROGRAM_PREFIX):
            return line[len(PROGRAM_PREFIX):]
    return stderr.strip().splitlines()[-1] if stderr.strip() else ""


def summary(report, rc):
    """The task's message from the report's members, never from its lines."""
    if report.get("reason"):
        return report["reason"]
    if report.get("written"):
        return "The instrument now has firmware %s." % report.get("firmwareAfter")
    if rc == UPDATE_AVAILABLE:
        return "An update to firmware %s is available." % report.get("target")
    if rc == RESTORE_NEEDED:
        return "The instrument needs a restore to firmware %s." % report.get("target")
    return "The instrument has firmware %s." % report.get("firmwareBefore")


def interpret(state, check_mode, rc, stdout, stderr, model=None):
    """Turns one run of the updater into the task's result.

    Returns (failed, result): result holds changed, msg and the returned values.
    """
    report = parse_report(stdout)
    get = report.get if report else (lambda key: None)
    result = {
        "changed": False,
        "model": get("model"),
        "serial": get("serial"),
        "version_before": get("firmwareBefore"),
        "version_after": get("firmwareAfter"),
        "outcome": get("outcome"),
        "attempt_id": get("attemptId"),
        "log_file": get("logFile"),
        "updater_rc": rc,
        "report": report,
        "msg": in_module_terms(summary(report, rc) if report else reason_on_stderr(stderr)),
    }
    if check_mode or state == "checked":
        return predict(state, rc, result, model)
    # Whatever the outcome: an erased component is a changed instrument.
    result["changed"] = report is not None and (report.get("erased") is True or report.get("written") is True)
    if rc != 0:
        return True, result
    if report is None:
        result["msg"] = "The updater printed no JSON report."
        return True, result
    return False, result


def predict(state, rc, result, model=None):
    """What the update or restore would do, from the exit code of check.

    The check's own outcome ("done") would say nothing of that, so the
    outcome becomes what would happen.
    """
    would = {0: "current", UPDATE_AVAILABLE: "would update", RESTORE_NEEDED: "would restore"}.get(rc)
    if would:
        result["outcome"] = would
    if state == "checked":
        return would is None, result
    if rc == RESTORE_NEEDED:
        if state == "updated":
            result["msg"] = "The instrument needs a restore: set state: restored."
            return True, result
        result["changed"] = True
        return False, result
    if rc in (0, UPDATE_AVAILABLE):
        # state=restored updates a working instrument, as state=updated does.
        result["changed"] = rc == UPDATE_AVAILABLE
        return False, result
    if rc == NOTHING_FOUND and state == "restored" and model:
        # The restore would bootstrap it as the model named; check never does.
        result["changed"] = True
        result["outcome"] = "would bootstrap"
        return False, result
    return True, result


def answers_normally(report):
    """A restore refused because the instrument works: the check read its versions."""
    return report is not None and report.get("outcome") == "refused" and report.get("firmwareBefore") is not None
