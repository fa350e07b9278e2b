"""The page shells: child windows laid on the main dialog's page panel. They are the panel
itself, rectangular, so a page and the frame around it meet without a seam."""
from .panel import page_panel


def background(ctx, art):
    page_panel(ctx, art.bounds, art.sc)
