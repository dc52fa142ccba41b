"""The tests load the module by path: KXVLIBR_MODULE names the built module,
KXVLIBR_STAGE an installed prefix (both set by the test runner)."""

import os
import sys

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), os.pardir))

import kxvlibr  # noqa: E402


def _path(variable):
    value = os.environ.get(variable)
    if not value:
        pytest.exit(f"{variable} is not set", returncode=2)
    return value


@pytest.fixture(scope="session")
def module_path():
    return _path("KXVLIBR_MODULE")


@pytest.fixture(scope="session")
def stage():
    return _path("KXVLIBR_STAGE")


@pytest.fixture(scope="session")
def lib(module_path):
    return kxvlibr.load(module_path)
