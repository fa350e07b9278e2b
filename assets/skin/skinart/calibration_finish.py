"""The calibration wizard's finish page."""
from .calibration_pages import LOOKS, background  # noqa: F401
