'(1 . 2) '(a (b . c) nil t) ''x '(0 . "LINE")
