"""The name dialog of a new macro set: a title strip, the name field sunk into the body, the
hint under it and the button bar with OK and Cancel at its right end and the theme's speed
marks before them."""
from . import form_dialog as form
from . import popup

LOOKS = form.LOOKS
STATIC = dict(form.STATIC, name=form.field)
shape = form.shape
frame = form.frame


def background(ctx, art):
    sc = art.sc
    form.body(ctx, art)
    buttons = art.union(["ok", "cancel"])
    if buttons.l > sc.px(120):
        popup.speed_marks(ctx, buttons.l - sc.px(16), buttons.t + sc.px(9), buttons.b - sc.px(9), sc)
