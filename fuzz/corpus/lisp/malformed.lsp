(a . b . c) (1 .) ')("open
