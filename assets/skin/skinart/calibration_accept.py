"""The calibration's acceptance dialog: the same as the lift-off trial's."""
from .countdown import LOOKS, background, frame, shape  # noqa: F401
