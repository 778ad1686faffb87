(setq a 1 b 2.5 c "text")
(defun f (x / y) (setq y (* x x)) y)
