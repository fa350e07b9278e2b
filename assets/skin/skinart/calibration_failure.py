"""The calibration wizard's failure page: Retry is a plain button, not the lit one."""
from . import controls
from .calibration_pages import background  # noqa: F401

LOOKS = {"button": controls.command}
