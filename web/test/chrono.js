console.log("later")
