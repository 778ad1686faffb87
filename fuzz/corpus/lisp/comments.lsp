(+ 1 ; comment )
 ;| block ( |; 2)
