"""The calibration wizard's measure page."""
from .calibration_pages import LOOKS, background  # noqa: F401
