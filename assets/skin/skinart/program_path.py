"""The program dialog: a title strip, the path field sunk into the body with the browse
button right beside it, and the button bar of OK and Cancel."""
from . import form_dialog as form
from .profile_dialog import browse

LOOKS = dict(form.LOOKS, browse=browse)
STATIC = dict(form.STATIC, path=form.snug_field)
shape = form.shape
frame = form.frame


def background(ctx, art):
    form.body(ctx, art)
