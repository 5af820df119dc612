#!/usr/bin/python3
"""Makes the virtual environments ansible-test's sanity tests run in, offline.

ansible-test gives each sanity test a virtual environment of its own under
~/.ansible/test/venv/<label>/<python>/<hash of its pip commands>/ and fills it
with pip from the package index. Here there is no index: each environment is
made instead by Debian's python3 with the system's packages visible (pylint,
pycodestyle, yamllint, voluptuous, PyYAML, Jinja2 from Debian) and no pip,
then given the files by which ansible-test takes an environment as made:
marker.txt, meta.install.json (the pip commands) and meta.yaml.json (whether
PyYAML has libyaml). The label and the hash are ansible-test's own, computed by
its own code, so they follow the installed ansible-test.

    cd <collection> && HOME=<home> tools/ansible-sanity-venvs.py TEST...
"""

import json
import os
import subprocess
import sys

from ansible_test._internal.commands.sanity import hash_pip_commands
from ansible_test._internal.host_configs import NativePythonConfig
from ansible_test._internal.python_requirements import collect_requirements

PYTHON = "/usr/bin/python3"


def libyaml_available():
    check = "import yaml; print(hasattr(yaml, 'CLoader'))"
    return subprocess.run([PYTHON, "-c", check], capture_output=True, text=True, check=True).stdout.strip() == "True"


def make_environment(name, version):
    # The import test's environment for the collection's modules is made
    # minimal; every other one as ansible-test makes it.
    minimize = name.startswith("import.")
    python = NativePythonConfig(version=version, path=PYTHON)
    commands = collect_requirements(python=python, controller=True, virtualenv=False, command=None, ansible=False,
                                    cryptography=False, coverage=False, minimize=minimize, sanity=name)
    label = "sanity.%s" % name if commands else "sanity"
    path = os.path.join(os.path.expanduser("~/.ansible/test/venv"), label, version, hash_pip_commands(commands))
    if os.path.exists(os.path.join(path, "marker.txt")):
        return
    subprocess.run([PYTHON, "-m", "venv", "--system-site-packages", "--without-pip", "--clear", path], check=True)
    with open(os.path.join(path, "meta.install.json"), "w", encoding="utf-8") as file:
        json.dump([command.serialize() for command in commands], file, indent=4)
    with open(os.path.join(path, "meta.yaml.json"), "w", encoding="utf-8") as file:
        json.dump(libyaml_available(), file)
    open(os.path.join(path, "marker.txt"), "w", encoding="utf-8").close()
    print("made %s" % path)


def main():
    version = "%d.%d" % sys.version_info[:2]
    for name in sys.argv[1:]:
        make_environment(name, version)


if __name__ == "__main__":
    main()
