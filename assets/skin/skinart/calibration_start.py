"""The calibration wizard's start page."""
from .calibration_pages import LOOKS, background  # noqa: F401
