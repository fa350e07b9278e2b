"""The timer editor: the new-timer dialog's body with the drop-down of the timers over
the name and seconds fields, and Save and Delete beside the seconds."""
from . import controls
from . import form_dialog as form
from .timer_new import stopwatch

LOOKS = dict(form.LOOKS, timers=form.dropdown, save=controls.dialog_button, delete=controls.dialog_button)
STATIC = dict(form.STATIC, name=form.field, seconds=form.number_field)
shape = form.shape
frame = form.frame


def background(ctx, art):
    form.body(ctx, art)
    form.rule(ctx, art, "label.timer", "timers", "timers")
    stopwatch(ctx, art.rect("art.dial"), art.sc)
