"""The question: the notice's look, with Yes and No in its button bar."""
from .notice import LOOKS, background, frame, shape  # noqa: F401  (the art of the table)
