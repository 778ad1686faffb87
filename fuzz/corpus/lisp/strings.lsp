"esc \\ \" \n \t \r \e \101 \7 end" "中国"
