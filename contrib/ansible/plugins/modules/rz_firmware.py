#!/usr/bin/python
# -*- coding: utf-8 -*-
# Copyright: 2026 RZ updater team
# Distributed with the RZ610/RZ870 firmware updater under its licence (see the
# package's copyright file); not under the GPL.
# Brings the instrument on a bench to the firmware of the release found there,
# through the firmware updater's command line; what its JSON report and exit
# code mean for the task is module_utils/rz_report's.

from __future__ import (absolute_import, division, print_function)
__metaclass__ = type

DOCUMENTATION = r"""
---
module: rz_firmware
short_description: Bring the RF instrument on a bench to this release's firmware
description:
  - Runs the RZ610/RZ870 firmware updater's command line on the bench
    (C(rz-firmware-updater --json check|update|restore)) and reads its JSON report.
  - The bench has exactly one instrument connected, the updater installed, and a
    release (the folder I(firmware_dir), or C(firmware/) in I(chdir), or the
    release installed with the updater).
  - In check mode it runs C(check) only and reports C(changed) when the update or
    restore would write firmware, and as I(outcome) what it would do; it never
    writes firmware. It never bootstraps
    an instrument that answers nothing either, so that one is reported as not
    found; where updates on record did not finish, the message names them and
    says to set I(state=restored) (with I(model) unless the instrument is the
    one of the only such record).
  - A refusal or a failure of the updater fails the task with the reason the
    updater's report gives as C(msg), and stops a rolling play that sets
    C(max_fail_percentage). Where the updater advises one of its commands or
    options, C(msg) names this module's options instead (it says to set
    I(state=restored), not to run the updater's C(restore)).
  - The updater runs with C(LC_ALL=C.UTF-8), so that what it reports is
    English whatever the language of the bench.
  - The task reports C(changed) whenever the updater erased a component of the
    instrument, also when the write that followed failed.
author:
  - RZ updater team (@rz-updater)
options:
  state:
    description:
      - C(checked) only compares the instrument's firmware with the release and
        never changes anything.
      - C(updated) rewrites the components that differ from the release; an
        instrument already at this release is left alone.
      - C(restored) brings the instrument to this release's firmware even from its
        boot mode. An instrument that answers only in its boot mode is restored
        (every component rewritten), one that answers nothing is bootstrapped
        first as I(model), a working one with older firmware is updated, and one
        already at this release is left unchanged.
    type: str
    choices: [checked, updated, restored]
    default: updated
  firmware_dir:
    description:
      - The release folder on the bench (the one holding C(SHA256SUMS) and the
        images), passed to the updater as C(--firmware). A relative path is
        taken in I(chdir).
      - The updater checks it as any release (signature, checksums) and refuses
        a folder that is not there.
    type: path
  chdir:
    description:
      - The folder the updater runs in on the bench. Without I(firmware_dir),
        the updater reads the release in its C(firmware/), or where it holds
        none, the release installed with the updater, and names it.
      - Without it, the updater runs in the module's own working folder, and
        I(firmware_dir) and I(state_dir) are to be absolute paths.
    type: path
  updater:
    description:
      - The updater to run, by name on the C(PATH) or by path.
    type: path
    default: rz-firmware-updater
  state_dir:
    description:
      - Where the updater keeps its state (pending records, session logs),
        passed as C(RZ_STATE_DIR). By default the machine's shared state folder.
        A relative path is taken in I(chdir).
    type: path
  record:
    description:
      - Records every call the updater makes to the device library, with its
        answer and timing, into this file on the bench (JSON Lines, passed as
        C(RZ_API_RECORD)), with serial numbers and timings, no firmware. A support
        engineer summarizes it with C(rzsim replay FILE); it replays without
        the instrument. A file that cannot be written is said in the log and
        the run goes on unrecorded.
      - In check mode nothing is recorded, not even where C(RZ_API_RECORD) is
        set in the task's environment, so a check never overwrites the
        recording of the run it stands for.
    type: path
  allow_downgrade:
    description:
      - Write even where the instrument holds newer firmware than the release.
    type: bool
    default: false
  model:
    description:
      - With I(state=restored), the model to bootstrap when the instrument answers
        nothing at all, by the name the updater gives it (such as C(RZ610R)). Only
        with I(state=restored). The updater refuses a name it does not know.
    type: str
  timeout:
    description:
      - Seconds to wait for each run of the updater. When they have passed, the
        updater is sent SIGTERM; it puts the stop off until the component it is
        writing is finished, so the task can take longer than this, and the task
        then fails, reporting whether anything was written.
    type: int
    default: 3600
attributes:
  check_mode:
    description: Runs the updater's check and predicts whether firmware would be written.
    support: full
  diff_mode:
    description: No diff is shown.
    support: none
notes:
  - One instrument per machine. Only one updater runs at a time on a machine,
    whatever its I(state_dir), since the lock is the machine's.
"""

EXAMPLES = r"""
- name: Bring the instrument to the release installed with the updater
  rz.firmware.rz_firmware:
  register: rz

- name: Only report what an update to the release in /srv/releases/4.5.10 would do
  rz.firmware.rz_firmware:
    firmware_dir: /srv/releases/4.5.10
    state: checked

- name: Bring the instrument to the release in /srv/rz-release/firmware, from boot mode or from nothing at all
  rz.firmware.rz_firmware:
    chdir: /srv/rz-release
    state: restored
    model: RZ610R
    state_dir: /var/lib/rz-bench
"""

RETURN = r"""
model:
  description: The instrument's model, null when none was found.
  returned: always
  type: str
  sample: RZ610R
serial:
  description: The instrument's serial number, null when none was found.
  returned: always
  type: int
  sample: 12345
version_before:
  description: The firmware found before anything was written, null when it could not be read.
  returned: always
  type: str
  sample: 4.5.9
version_after:
  description: The firmware on the instrument at the end, null when unknown (after a failed write).
  returned: always
  type: str
  sample: 4.5.10
outcome:
  description: How the updater ended; in check mode, and with I(state=checked), what the update or
    restore would do instead, C(current), C(would update), C(would restore) or C(would bootstrap),
    when the check found that out.
  returned: always
  type: str
  sample: done
attempt_id:
  description: The id under which the updater recorded this attempt, null when it records none.
  returned: always
  type: int
  sample: 42
log_file:
  description: The session log file the updater wrote on the bench, null when it kept none.
  returned: always
  type: str
  sample: /var/lib/rz-bench/2026-12-07_14-03-22.log
updater_rc:
  description: The updater's exit code (5 is "the instrument stopped answering"; 10 and 11 are check's
    "update available" and "restore needed"; 128 and a signal's number a run stopped by that signal after a
    successful write).
  returned: always
  type: int
  sample: 0
report:
  description: The updater's whole JSON report (of the last run, when I(state=restored) updated a
    working instrument), null when it printed none.
  returned: always
  type: dict
"""

import os
import signal
import subprocess

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.rz.firmware.plugins.module_utils.rz_report import answers_normally, interpret

COMMANDS = {"checked": "check", "updated": "update", "restored": "restore"}

MODULE_OPTIONS = dict(
    state=dict(type="str", default="updated", choices=list(COMMANDS)),
    firmware_dir=dict(type="path"),
    chdir=dict(type="path"),
    updater=dict(type="path", default="rz-firmware-updater"),
    state_dir=dict(type="path"),
    record=dict(type="path"),
    allow_downgrade=dict(type="bool", default=False),
    # The updater knows its models and refuses any other name (exit 2, its
    # reason on stderr), so the module keeps no list of them.
    model=dict(type="str"),
    timeout=dict(type="int", default=3600),
)


def command_line(params, check_mode, command=None):
    command = command or ("check" if check_mode else COMMANDS[params["state"]])
    arguments = ["--json", command]
    if params["allow_downgrade"] and command != "restore":
        arguments.append("--allow-downgrade")
    # Check mode never names the model, which would have check bootstrap the
    # instrument; nor does check bootstrap by itself the model of an update
    # on record that did not finish: it names that update instead.
    if params["model"] and command == "restore":
        arguments += ["--model", params["model"]]
    if params["firmware_dir"]:
        arguments += ["--firmware", in_working_folder(params, params["firmware_dir"])]
    return arguments


def in_working_folder(params, path):
    """A path as the updater is to take it: a relative one is in chdir."""
    return os.path.join(os.path.abspath(params["chdir"] or os.curdir), path)


def updater_environment(inherited, params, check_mode):
    """The updater's variables: the task's, with the state folder and the recording.

    The updater refuses a relative state folder: one is taken in the release
    folder, where the updater runs. A check records nowhere: the updater would
    truncate the file the real run recorded into, whether the task or its
    environment names it. English, for what the module reads of its report.
    """
    environment = dict(inherited, LC_ALL="C.UTF-8")
    if params["state_dir"]:
        environment["RZ_STATE_DIR"] = in_working_folder(params, params["state_dir"])
    if check_mode:
        environment.pop("RZ_API_RECORD", None)
    elif params["record"]:
        environment["RZ_API_RECORD"] = params["record"]
    return environment


def run_updater(executable, arguments, chdir, environment, timeout):
    """Runs the updater; returns (rc, stdout, stderr, timed_out).

    A run that takes too long gets SIGTERM, which the updater honours only once
    the component it is writing is finished, so it is waited for, never killed.
    """
    process = subprocess.Popen(
        [executable] + arguments,
        cwd=chdir,
        env=environment,
        stdin=subprocess.DEVNULL,
        stdout=subprocess.PIPE,
        stderr=subprocess.PIPE,
    )
    timed_out = False
    try:
        stdout, stderr = process.communicate(timeout=timeout)
    except subprocess.TimeoutExpired:
        timed_out = True
        process.send_signal(signal.SIGTERM)
        stdout, stderr = process.communicate()
    return (process.returncode, stdout.decode("utf-8", "replace"), stderr.decode("utf-8", "replace"), timed_out)


def main():
    # The options are AnsibleModule's first argument.
    module = AnsibleModule(MODULE_OPTIONS, supports_check_mode=True)
    params = module.params
    if params["model"] and params["state"] != "restored":
        module.fail_json(msg="model applies only to state: restored.")
    if params["timeout"] <= 0:
        module.fail_json(msg="timeout must be a number of seconds above 0.")
    if params["chdir"] and not os.path.isdir(params["chdir"]):
        module.fail_json(msg="chdir: no such folder: %s" % params["chdir"])
    for name in ("firmware_dir", "state_dir"):
        if params[name] and not params["chdir"] and not os.path.isabs(params[name]):
            module.fail_json(msg="%s: a relative path needs chdir, or give an absolute one: %s" % (name, params[name]))
    # A path, which Ansible has expanded (~, variables), or a name on the PATH.
    updater = params["updater"]
    if "/" in updater:
        executable = os.path.abspath(updater)
        if not os.access(executable, os.X_OK):
            module.fail_json(msg="updater: not an executable file: %s" % executable)
    else:
        executable = module.get_bin_path(updater, required=True)

    environment = updater_environment(os.environ, params, module.check_mode)

    def run(command=None):
        rc, stdout, stderr, timed_out = run_updater(
            executable, command_line(params, module.check_mode, command), params["chdir"], environment,
            params["timeout"]
        )
        failed, result = interpret(params["state"], module.check_mode, rc, stdout, stderr, params["model"])
        if timed_out:
            failed = True
            result["msg"] = "The updater did not finish within the timeout (%d s) and was stopped: %s" % (
                params["timeout"],
                result["msg"],
            )
        return failed, result

    failed, result = run()
    if params["state"] == "restored" and not module.check_mode and failed and answers_normally(result["report"]):
        # A working instrument reaches this release's firmware by an update.
        failed, result = run("update")
    if failed:
        module.fail_json(**result)
    module.exit_json(**result)


if __name__ == "__main__":
    main()
